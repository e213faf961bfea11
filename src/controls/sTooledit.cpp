#include "controls/sTooledit.h"

#include <shellapi.h>

#include "controls/sFileNameRules.h"
#include "core/Exceptions.h"
#include "skin/model/ControlKinds.h"
#include "toolkit/DroppedFiles.h"
#include "toolkit/Form.h"
#include "toolkit/SysUtils.h"

namespace {

bool FolderExists(const std::string& path)
{
    DWORD attributes = FileAttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<TsOpenDialog> NewDialog(TsDialogKind kind, TComponent* owner)
{
    if (kind == TsDialogKind::dkSave)
        return std::make_unique<TsSaveDialog>(owner);
    return std::make_unique<TsOpenDialog>(owner);
}

constexpr int kPathMaxLength = 255;

}  // namespace

TsFileDirEdit::TsFileDirEdit(TComponent* owner) : TsFileDirEdit(owner, kKindDirectoryEdit) {}

TsFileDirEdit::TsFileDirEdit(TComponent* owner, int controlKind) : TsCustomComboEdit(owner, controlKind)
{
    SetMaxLength(kPathMaxLength);
}

void TsFileDirEdit::InitializeWindow()
{
    TsCustomComboEdit::InitializeWindow();
    if (acceptFiles_)
        DragAcceptFiles(Handle(), TRUE);
}

void TsFileDirEdit::SetAcceptFiles(bool value)
{
    acceptFiles_ = value;
    if (HandleAllocated())
        DragAcceptFiles(Handle(), value);
}

void TsFileDirEdit::DropFiles(WPARAM dropHandle)
{
    auto drop = reinterpret_cast<HDROP>(dropHandle);
    std::vector<std::string> files = DroppedFileNames(drop);
    DragFinish(drop);
    if (OnDropFiles)
        OnDropFiles(this, files);
}

void TsFileDirEdit::WndProc(TMessage& m)
{
    if (m.Msg == WM_DROPFILES && acceptFiles_) {
        DropFiles(m.WParam);
        m.Result = 0;
        return;
    }
    TsCustomComboEdit::WndProc(m);
}

TsFilenameEdit::TsFilenameEdit(TComponent* owner)
    : TsFileDirEdit(owner, kKindFileNameEdit), dialog_(NewDialog(TsDialogKind::dkOpen, nullptr))
{
    dialog_->Filter = kDefaultFileFilter;
    dialog_->Options = ofHideReadOnly | ofEnableSizing;
    GlyphChanged();
}

void TsFilenameEdit::SetDialogKind(TsDialogKind kind)
{
    if (kind == dialogKind_)
        return;
    std::unique_ptr<TsOpenDialog> replacement = NewDialog(kind, nullptr);
    replacement->AssignSettings(*dialog_);
    dialog_ = std::move(replacement);
    dialogKind_ = kind;
}

void TsFilenameEdit::SetFileName(const std::string& name)
{
    if (!name.empty() && !ValidFileName(name))
        throw Exception("Invalid file name");
    SetText(name);
    dialog_->Files.clear();
}

void TsFilenameEdit::ButtonAction()
{
    std::string text = Text();
    TsDialogStart start = DialogStartFor(text, {dialog_->InitialDir, dialog_->FileName}, FolderExists);
    dialog_->InitialDir = start.initialDir;
    dialog_->FileName = start.fileName;
    dialog_->HelpContext = HelpContext;
    TCustomForm* form = ParentForm();
    bool chosen = dialog_->Execute(form && form->HandleAllocated() ? form->Handle() : nullptr);
    if (chosen)
        text = dialog_->FileName;
    if (CanFocus())
        SetFocus();
    if (chosen) {
        SetText(text);
        dialog_->InitialDir = FolderPart(text);
    }
}
