#!/usr/bin/env python3
"""Writes a zip archive whose bytes depend on nothing but its members' names,
order and contents: every member carries the same fixed time stamp and the same
attributes, in the order given, compressed at one fixed level.

    make_zip.py OUTPUT.zip NAME=PATH [NAME=PATH ...]
"""
import os
import sys
import zipfile

# The earliest time a zip entry can hold, the usual choice of reproducible
# archives: the files' own times would differ from one checkout to the next.
FIXED_TIME = (1980, 1, 1, 0, 0, 0)
MSDOS = 0  # the host system field: attributes in the MS-DOS form Windows writes
ARCHIVE_ATTRIBUTE = 0x20


def member_info(name):
    info = zipfile.ZipInfo(name, FIXED_TIME)
    info.create_system = MSDOS
    info.external_attr = ARCHIVE_ATTRIBUTE
    info.compress_type = zipfile.ZIP_DEFLATED
    return info


def write_zip(output, members):
    partial = output + ".partial"
    with zipfile.ZipFile(partial, "w") as archive:
        for name, path in members:
            with open(path, "rb") as source:
                archive.writestr(member_info(name), source.read(), compresslevel=9)
    os.replace(partial, output)


def parse_members(arguments):
    members = []
    for argument in arguments:
        name, separator, path = argument.partition("=")
        if not separator or not name or not path:
            raise SystemExit(f"make_zip: '{argument}' is not NAME=PATH")
        members.append((name, path))
    return members


def main(argv):
    if len(argv) < 3:
        raise SystemExit(__doc__)
    write_zip(argv[1], parse_members(argv[2:]))


if __name__ == "__main__":
    main(sys.argv)
