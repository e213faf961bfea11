#pragma once
// TPvxFileCtrl: one file on disk, named by FileName, with its name parts,
// size, shell type, time stamps and attributes read from the disk whenever
// they are asked for; and the shell's delete and move for a given path.

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string>

#include "toolkit/Component.h"

class TPvxCustomComponent : public TComponent {
public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TPvxCustomComponent"; }
    // Design-time information; assigning it has no effect.
    std::string About() const { return "Parivex file services"; }
    void SetAbout(const std::string&) {}
};

class TPvxShellComponent : public TPvxCustomComponent {
public:
    using TPvxCustomComponent::TPvxCustomComponent;
    const char* ClassName() const override { return "TPvxShellComponent"; }
};

enum TPvxFileCtrlAttribute : unsigned {
    fcaArchive = 1 << 0,
    fcaReadonly = 1 << 1,
    fcaDirectory = 1 << 2,
    fcaSystem = 1 << 3,
    fcaHidden = 1 << 4,
    fcaTemporary = 1 << 5,
    fcaNormal = 1 << 6,
    fcaCompressed = 1 << 7,
    fcaOffline = 1 << 8,
};
using TPvxFileCtrlAttributes = unsigned;

enum TPvxFileOpFlag : unsigned {
    ffFilesOnly = 1 << 0,
    ffNoActionConfirm = 1 << 1,
    ffNoMKDIRConfirm = 1 << 2,
    ffRenameFileOnCollision = 1 << 3,
    ffShowNoErrors = 1 << 4,
    ffShowNoProgress = 1 << 5,
    ffSimpleProgress = 1 << 6,
    ffUseRecycleBin = 1 << 7,
};
using TPvxFileOpFlags = unsigned;

// The shell's FOF_ flags for a set of options.
FILEOP_FLAGS ShellFlags(TPvxFileOpFlags options);

class TPvxFileCtrl : public TPvxShellComponent {
public:
    explicit TPvxFileCtrl(TComponent* owner);
    const char* ClassName() const override { return "TPvxFileCtrl"; }

    const std::string& FileName() const { return fileName_; }
    // Stores the full path when path names an existing file; keeps the old one otherwise.
    void SetFileName(const std::string& path);

    TPvxFileOpFlags Options() const { return options_; }
    void SetOptions(TPvxFileOpFlags options) { options_ = options; }
    // How the stamps are written; empty for the user's short date and long time.
    // The pattern takes the usual date and time letters: yyyy yy (year), MM M
    // (month), dd d (day), HH H (hour 0-23), hh h (hour 1-12), mm m (minute),
    // ss s (second), fff (milliseconds), tt (AM/PM); text between single quotes
    // is copied as it stands, and any other character too. A pattern with an
    // unclosed quote is an error, and the default text is used instead.
    const std::string& FileStampFormat() const { return stampFormat_; }
    void SetFileStampFormat(const std::string& format) { stampFormat_ = format; }

    std::string FileNameOnly() const;
    std::string FileExtension() const;
    // The size's low 32 bits as a signed number; 0 when the file cannot be opened.
    std::int32_t FileSize() const;
    // The whole size; -1 when the file cannot be opened. Shown for files of 2 GiB and more.
    std::int64_t FileSize64() const;
    std::string FileType() const;
    std::string FileCreateStamp() const { return Stamp(0); }
    std::string FileAccessStamp() const { return Stamp(1); }
    std::string FileWriteStamp() const { return Stamp(2); }
    TPvxFileCtrlAttributes Attributes() const;

    bool Delete(const std::string& path);
    bool Move(const std::string& path, const std::string& targetFolder);

private:
    bool Exists() const;
    std::string Stamp(int index) const;
    bool ShellOperation(const std::string& source, const std::string& target, UINT operation);
    static bool RunShell(UINT operation, const std::string& from, const std::string& to, FILEOP_FLAGS flags);

    std::string fileName_;
    TPvxFileOpFlags options_ = ffFilesOnly | ffUseRecycleBin;
    std::string stampFormat_;
};
