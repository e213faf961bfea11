#pragma once
// TsFileDirEdit and TsFilenameEdit: the skinned path edits. TsFilenameEdit's
// button (or Alt+Down) opens the system's open-file dialog, starting from the
// edit's text, and the file chosen there replaces the text.

#include <memory>
#include <string>
#include <vector>

#include "controls/sCustomComboEdit.h"
#include "toolkit/Dialogs.h"

// The common base of the file and folder edits: typing stops at MaxLength
// (255; text set by the program is not limited) and the edit's own support
// for dropped files, off unless AcceptFiles is set.
class TsFileDirEdit : public TsCustomComboEdit {
public:
    explicit TsFileDirEdit(TComponent* owner);
    const char* ClassName() const override { return "TsFileDirEdit"; }

    bool AcceptFiles() const { return acceptFiles_; }
    void SetAcceptFiles(bool value);
    // Files dropped on the edit itself, while AcceptFiles is set.
    std::function<void(TComponent* sender, const std::vector<std::string>& files)> OnDropFiles;

    void WndProc(TMessage& message) override;

protected:
    TsFileDirEdit(TComponent* owner, int controlKind);
    void InitializeWindow() override;

private:
    void DropFiles(WPARAM dropHandle);

    bool acceptFiles_ = false;
};

enum class TsDialogKind { dkOpen, dkSave };

// The file name edit's dialogs: the system's open-file dialog, and the
// save-file one of the same settings.
class TsOpenDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    const char* ClassName() const override { return "TsOpenDialog"; }
};

class TsSaveDialog : public TsOpenDialog {
public:
    using TsOpenDialog::TsOpenDialog;
    const char* ClassName() const override { return "TsSaveDialog"; }

protected:
    BOOL RunDialog(OPENFILENAMEW& request) override { return GetSaveFileNameW(&request); }
};

// The dialog's filter list when the edit is given none.
inline constexpr const char* kDefaultFileFilter = "All files (*.*)|*.*";

class TsFilenameEdit : public TsFileDirEdit {
public:
    explicit TsFilenameEdit(TComponent* owner);
    const char* ClassName() const override { return "TsFilenameEdit"; }

    // The owned dialog; its settings are the edit's dialog properties.
    TsOpenDialog& Dialog() { return *dialog_; }
    TsDialogKind DialogKind() const { return dialogKind_; }
    // Replaces the dialog by one of the other kind, carrying every setting,
    // the file name and the file list over.
    void SetDialogKind(TsDialogKind kind);
    TOpenOptions DialogOptions() const { return dialog_->Options; }
    void SetDialogOptions(TOpenOptions options) { dialog_->Options = options; }
    const std::string& Filter() const { return dialog_->Filter; }
    void SetFilter(const std::string& filter) { dialog_->Filter = filter; }
    int FilterIndex() const { return dialog_->FilterIndex; }
    void SetFilterIndex(int index) { dialog_->FilterIndex = index; }
    const std::string& InitialDir() const { return dialog_->InitialDir; }
    void SetInitialDir(const std::string& folder) { dialog_->InitialDir = folder; }
    const std::string& DefaultExt() const { return dialog_->DefaultExt; }
    void SetDefaultExt(const std::string& extension) { dialog_->DefaultExt = extension; }
    std::vector<std::string>& HistoryList() { return dialog_->HistoryList; }

    // The same as Text.
    std::string FileName() const { return Text(); }
    // A non-empty text that is not a valid file name raises "Invalid file
    // name"; otherwise the text, and the dialog's chosen files are forgotten.
    void SetFileName(const std::string& name);

    std::string_view DefaultGlyphName() const override { return "BTN_OPENFILE"; }

protected:
    // The dialog flow: the dialog starts from the text, and a confirmed
    // choice becomes the text and the next start folder.
    void ButtonAction() override;

private:
    std::unique_ptr<TsOpenDialog> dialog_;
    TsDialogKind dialogKind_ = TsDialogKind::dkOpen;
};
