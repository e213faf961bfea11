#!/usr/bin/env python3
"""The portable zip: exactly the program, the licence and the read-me, with
fixed time stamps, and the same bytes every time it is built from the same
files.

    check_zip.py BUILT.zip VERSION MAKE_ZIP_COMMAND...

MAKE_ZIP_COMMAND is the build's own command without its output file: the
interpreter, the script, then the members as NAME=PATH.
"""
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile
from pathlib import Path

BUILT = Path(sys.argv[1]) if len(sys.argv) > 3 else None
VERSION = sys.argv[2] if len(sys.argv) > 3 else None
MAKE_ZIP = sys.argv[3:5]
MEMBERS = sys.argv[5:]


def staged_file(name):
    for member in MEMBERS:
        member_name, _, path = member.partition("=")
        if member_name == name:
            return Path(path)
    raise AssertionError(f"the build names no file for {name}")


def pe_time_stamp(program):
    """The link time stamp of a PE program's file header."""
    header = struct.unpack_from("<I", program, 0x3C)[0]
    if program[header:header + 4] != b"PE\0\0":
        raise AssertionError("not a PE program")
    return struct.unpack_from("<I", program, header + 8)[0]


class PortableZip(unittest.TestCase):
    def setUp(self):
        self.archive = zipfile.ZipFile(BUILT)
        self.addCleanup(self.archive.close)

    def test_holds_exactly_the_program_the_licence_and_the_read_me(self):
        self.assertEqual(self.archive.namelist(), ["parivex.exe", "LICENSE.txt", "README.txt"])
        self.assertIsNone(self.archive.testzip(), "a member's checksum does not match")
        for name in self.archive.namelist():
            self.assertEqual(self.archive.read(name), staged_file(name).read_bytes(), name)

    def test_members_are_for_windows_users(self):
        program = self.archive.read("parivex.exe")
        self.assertEqual(program[:2], b"MZ")
        self.assertEqual(pe_time_stamp(program), 0, "the program's link time stamp is not fixed")
        licence = self.archive.read("LICENSE.txt").decode("ascii")
        self.assertTrue(licence.startswith("MIT License\r\n"))
        self.assertNotIn("\n", licence.replace("\r\n", ""), "the licence has Unix line ends")
        readme = self.archive.read("README.txt").decode("ascii")
        self.assertTrue(readme.startswith(f"Parivex {VERSION}\r\n"), readme[:40])
        self.assertIn(f"parivex-{VERSION}-win64.msi", readme)
        self.assertNotIn("@", readme, "an unfilled @VARIABLE@")
        self.assertIn("shell:sendto", readme, "how to add Send To by hand")

    def test_time_stamps_and_attributes_are_fixed(self):
        for info in self.archive.infolist():
            self.assertEqual(info.date_time, (1980, 1, 1, 0, 0, 0), info.filename)
            self.assertEqual(info.external_attr, 0x20, info.filename)
            self.assertEqual(info.compress_type, zipfile.ZIP_DEFLATED, info.filename)

    def test_building_again_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as folder:
            again = [Path(folder) / "first.zip", Path(folder) / "second.zip"]
            for output in again:
                subprocess.run(MAKE_ZIP + [str(output)] + MEMBERS, check=True)
            built = BUILT.read_bytes()
            for output in again:
                self.assertEqual(output.read_bytes(), built, f"{output.name} differs from {BUILT.name}")


if __name__ == "__main__":
    if BUILT is None:
        raise SystemExit(__doc__)
    unittest.main(argv=sys.argv[:1], verbosity=2)
