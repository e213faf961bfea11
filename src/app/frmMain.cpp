#include "app/frmMain.h"

#include <shellapi.h>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "app/About.h"
#include "app/CompareRun.h"
#include "app/Crc32.h"
#include "app/FileCompare.h"
#include "fileservices/ShellServices.h"
#include "toolkit/SysUtils.h"

std::string CurrentPath1;
std::string CurrentPath2;
TForm1* Form1 = nullptr;

namespace {
constexpr const char* File1Missing = "File 1 not exists";
constexpr const char* File2Missing = "File 2 not exists";
constexpr const char* FilesIdentical = "Files are Identical (By File Size and CRC32 Check)";
constexpr const char* FilesDifferent = "Files are Not Identical (By File Size and CRC32 Check)";
}  // namespace

bool HasUnreachableName(const std::string& path)
{
    std::size_t start = 0;
    for (;;) {
        std::size_t end = std::min(path.find_first_of("\\/", start), path.size());
        std::string_view name(path.data() + start, end - start);
        if (!name.empty() && name != "." && name != ".." && (name.back() == '.' || name.back() == ' '))
            return true;
        if (end == path.size())
            return false;
        start = end + 1;
    }
}

bool FileExists(const std::string& path)
{
    if (HasUnreachableName(path))
        return false;
    DWORD attributes = FileAttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::FormCreate(TComponent*)
{
    AcceptDroppedFiles(Handle(), true);
}

void TForm1::PvxButton1Click(TComponent*)
{
    if (compareRun_)
        return;
    std::string path1 = FileName1->Text();
    if (path1.empty() || !FileExists(path1)) {
        Label1->SetCaption(File1Missing);
        return;
    }
    CurrentPath1 = path1;

    std::string path2 = FileName2->Text();
    if (path2.empty() || !FileExists(path2)) {
        Label1->SetCaption(File2Missing);
        return;
    }
    CurrentPath2 = path2;

    bool compared = false;
    bool closeAsked = false;
    {
        TCompareRun run(Handle(), Label1);
        compared = CompareFiles(run);
        closeAsked = run.CloseAsked();
    }
    if (compared)
        FileDetails();
    if (closeAsked)
        Close();
}

// Steps 7 and 8 of the command with the window answering meanwhile; false
// when the user stopped them, leaving the status line and panes as they were.
bool TForm1::CompareFiles(TCompareRun& run)
{
    compareRun_ = &run;
    struct Ended {
        TCompareRun*& run;
        ~Ended() { run = nullptr; }
    } ended{compareRun_};
    try {
        bool identical = Are2FilesEqual(CurrentPath1, CurrentPath2) && Ident();
        run.Finished();
        Label1->SetCaption(identical ? FilesIdentical : FilesDifferent);
        return true;
    } catch (const TCompareRun::Stopped&) {
        return false;
    }
}

bool TForm1::Are2FilesEqual(const std::string& path1, const std::string& path2)
{
    return FilesHaveEqualContents(path1, path2, compareRun_);
}

bool TForm1::Ident()
{
    std::uint32_t crc1 = FileCrc32(CurrentPath1, compareRun_);
    std::uint32_t crc2 = FileCrc32(CurrentPath2, compareRun_);
    return crc1 == crc2;
}

namespace {
// Eight lines about one file, each value read from the disk as its line is
// built. They reach the pane in one change: under Wine each change of a
// visible pane repaints it at once, at 25 to 50 ms a time on a busy machine.
void AppendDetails(TMemo* pane, const TPvxFileCtrl* file)
{
    std::vector<std::string> lines;
    lines.push_back("File Name and Path: " + file->FileName());
    lines.push_back("File Name: " + file->FileNameOnly());
    lines.push_back("File Name Extention: " + file->FileExtension());
    // The 32-bit size is not the size of a file of 2 GiB or more: show the whole one.
    std::int64_t wholeSize = file->FileSize64();
    std::int64_t size = wholeSize > INT32_MAX ? wholeSize : file->FileSize();
    lines.push_back("File Size: " + std::to_string(size) + " Bytes");
    lines.push_back("File Type: " + file->FileType());
    lines.push_back("File Create: " + file->FileCreateStamp());
    lines.push_back("LastAccess: " + file->FileAccessStamp());
    lines.push_back("Last Write: " + file->FileWriteStamp());
    pane->Lines().AddStrings(lines);
}
}  // namespace

void TForm1::FileDetails()
{
    FileCtrl1->SetFileName(CurrentPath1);
    FileCtrl2->SetFileName(CurrentPath2);
    AppendDetails(Memo1, FileCtrl1);
    AppendDetails(Memo2, FileCtrl2);
}

TForm1::FileSlot TForm1::Slot(int number)
{
    if (number == 1)
        return {FileName1, CurrentPath1, FileCtrl1};
    return {FileName2, CurrentPath2, FileCtrl2};
}

void TForm1::DeleteSlotFile(FileSlot slot)
{
    if (compareRun_)
        return;
    std::string text = slot.edit->Text();
    slot.currentPath = text;
    if (text.empty() || !FileExists(slot.currentPath))
        return;
    if (slot.fileCtrl->Delete(slot.currentPath))
        slot.edit->SetText("");
}

void TForm1::MoveSlotFile(FileSlot slot)
{
    if (compareRun_)
        return;
    std::string text = slot.edit->Text();
    slot.currentPath = text;
    if (text.empty() || !FileExists(slot.currentPath))
        return;
    if (!Folder1->Execute())
        return;
    std::string folder = ToSystemCodePage(Folder1->SelectedDir());
    if (slot.fileCtrl->Move(slot.currentPath, folder))
        slot.edit->SetText("");
}

void TForm1::sBitBtn1Click(TComponent*)
{
    DeleteSlotFile(Slot(1));
}

void TForm1::sBitBtn3Click(TComponent*)
{
    DeleteSlotFile(Slot(2));
}

void TForm1::sBitBtn2Click(TComponent*)
{
    MoveSlotFile(Slot(1));
}

void TForm1::sBitBtn4Click(TComponent*)
{
    MoveSlotFile(Slot(2));
}

void TForm1::WMDropFiles(TMessage& m)
{
    TForm::WndProc(m);
    DropHandle drop(reinterpret_cast<HDROP>(m.WParam));
    // While the window is inert (the About box, a shell operation, Compare
    // reading) a drop that still arrives must not change the paths the
    // command works on.
    if (!IsWindowEnabled(Handle()) || compareRun_) {
        m.Result = 0;
        return;
    }
    for (const std::string& path : DroppedPaths(drop.Get())) {
        if (FileName1->Text().empty())
            FileName1->SetText(path);
        else
            FileName2->SetText(path);
    }
    m.Result = 0;
}

void TForm1::OpenStartFiles(const std::vector<std::string>& paths)
{
    if (!paths.empty())
        FileName1->SetText(paths[0]);
    if (paths.size() >= 2)
        FileName2->SetText(paths[1]);
    compareWhenShown_ = paths.size() >= 2;
}

// Through the button, so that the command runs as a click runs it; painted
// first, so that the window shows both paths while large files are read.
void TForm1::CompareStartFiles()
{
    UpdateWindow(Handle());
    PvxButton1->Click();
}

void TForm1::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_CLOSE:
        // A close while Compare reads (the close button, the taskbar) stops it;
        // the window closes once the command has ended.
        if (compareRun_) {
            compareRun_->AskToClose();
            m.Result = 0;
            return;
        }
        break;
    case WM_DROPFILES:
        WMDropFiles(m);
        return;
    case PM_COMPARESTARTFILES:
        CompareStartFiles();
        return;
    case CM_SHOWINGCHANGED:
        // Posted rather than run here: the window is not on the screen yet,
        // and an error of the command must reach the error box from the loop.
        if (m.WParam && std::exchange(compareWhenShown_, false))
            PostMessageW(Handle(), PM_COMPARESTARTFILES, 0, 0);
        break;
    default:
        break;
    }
    TForm::WndProc(m);
}

void TForm1::PvxButton2Click(TComponent*)
{
    FileName1->SetText("");
    FileName2->SetText("");
    Memo1->Lines().Clear();
    Memo2->Lines().Clear();
    Label1->SetCaption(StartPrompt);
}

void TForm1::PvxButton3Click(TComponent*)
{
    if (AboutBox && !compareRun_)
        AboutBox->ShowModal();
}

void TForm1::PvxButton4Click(TComponent*)
{
    Close();
}
