// Path texts the main window works on name the file the user named: a
// relative path stays one of the folder the program started in whatever a
// dialog browsed, a name the code page cannot hold names no file rather than
// a look-alike, and names in other scripts come whole through the open
// dialog and through drops. The names are written here in UTF-16, since the
// tests change the code page of path texts.

#include "app/MainWindowFixture.h"

#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include "toolkit/SysUtils.h"

namespace {

constexpr const char* Identical = "Files are Identical (By File Size and CRC32 Check)";
const std::wstring Polish = L"\u0141\u00F3d\u017A.txt";                        // "Łódź.txt"
const std::wstring Japanese = L"\u5831\u544A\u66F8\u306E\u4E0B\u66F8\u304D.txt";  // "報告書の下書き.txt"

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

void WriteWide(const std::wstring& path, const std::string& bytes)
{
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

bool ExistsWide(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring CurrentFolder()
{
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
}

// A drop as the desktop shell hands it over, the paths in UTF-16.
void DropOn(HWND window, const std::vector<std::wstring>& paths)
{
    std::wstring list;
    for (const std::wstring& path : paths)
        list += path + L'\0';
    list += L'\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = {10, 10};
    header->fWide = TRUE;
    memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    PumpMessages();
}

HWND FindOpenDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM data) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(w, cls, 16);
            if (IsWindowVisible(w) && std::wstring(cls) == L"#32770" && GetDlgItem(w, IDOK)) {
                *reinterpret_cast<HWND*>(data) = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring DialogFolder(HWND dialog)
{
    wchar_t folder[MAX_PATH] = {};
    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    std::wstring text = folder;
    if (text.size() > 3 && text.back() == L'\\')
        text.pop_back();
    return text;
}

// Answers the open dialog as a user does, step after step from inside its
// own loop: each step types a name into its name field and presses Open once
// the dialog lists the folder the step expects (a folder name opens that
// folder, a file name chooses the file). The timer fires only when the
// dialog's queue is empty, so each step sees what the one before did.
class OpenDialogUser {
public:
    struct Step {
        std::wstring inFolder;
        std::wstring name;
    };
    explicit OpenDialogUser(std::vector<Step> steps) : steps_(std::move(steps))
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 30, Tick);
    }
    OpenDialogUser(const OpenDialogUser&) = delete;
    OpenDialogUser& operator=(const OpenDialogUser&) = delete;
    ~OpenDialogUser()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    std::size_t StepsDone() const { return done_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (current_)
            current_->TryStep();
    }
    void TryStep()
    {
        HWND dialog = FindOpenDialog();
        if (!dialog || done_ == steps_.size() || DialogFolder(dialog) != steps_[done_].inFolder)
            return;
        HWND field = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
        SetWindowTextW(field, steps_[done_].name.c_str());
        ++done_;
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    }

    static inline OpenDialogUser* current_ = nullptr;
    std::vector<Step> steps_;
    std::size_t done_ = 0;
    UINT_PTR timer_ = 0;
};

class PathTextsTest : public MainWindowTest {
protected:
    std::wstring WideDir() const { return Wide(dir.Path()); }
    std::wstring EditText(TsFilenameEdit* edit) const { return WideWindowText(edit->Handle()); }

    TempDir dir;  // its path is ASCII under the test prefix, so every code page holds it
};

TEST_F(PathTextsTest, ARelativePathNamesTheStartFoldersFileWhateverTheDialogBrowsed)
{
    dir.WriteFile("a.bin", "the same bytes");
    dir.MakeFolder("sub");
    dir.WriteFile("sub\\a.bin", "other bytes...");
    const std::string chosen = dir.WriteFile("sub\\b.bin", "the same bytes");
    TStartFolderOverride start(dir.Path());
    form->FileName1->SetText("a.bin");
    {
        OpenDialogUser user({{WideDir(), L"sub"}, {WideDir() + L"\\sub", L"b.bin"}});
        form->FileName2->ButtonClick();
        ASSERT_EQ(user.StepsDone(), 2u) << "the dialog went into the subfolder and a file was chosen there";
    }
    EXPECT_EQ(form->FileName2->Text(), chosen);
    EXPECT_EQ(CurrentFolder(), WideDir()) << "the dialog left the working folder where it was";
    Click(form->PvxButton1);
    EXPECT_EQ(Status(), Identical) << "a.bin of the start folder, not of the one browsed";
    EXPECT_EQ(form->FileName1->Text(), "a.bin") << "the edit keeps the text as typed";
    EXPECT_EQ(form->Memo1->Lines()[0], "File Name and Path: " + dir.PathOf("a.bin"));

    // Whatever else moves the current folder, a relative path stays the start folder's.
    SetCurrentDirectoryA(dir.PathOf("sub").c_str());
    Click(form->PvxButton1);
    EXPECT_EQ(Status(), Identical);
    EXPECT_EQ(form->Memo1->Lines()[8], "File Name and Path: " + dir.PathOf("a.bin"));
}

TEST_F(PathTextsTest, UnderCodePage1252ANameItCannotHoldIsNoFileAndNeverItsLookAlike)
{
    // The system's conversion to 1252 makes "Lódz.txt" of it; "Lodz.txt" is the plain look-alike.
    const std::wstring polish = WideDir() + L"\\" + Polish, lookAlike = WideDir() + L"\\Lodz.txt",
                       bestFit = WideDir() + L"\\L\u00F3dz.txt";
    WriteWide(polish, "the named one");
    WriteWide(lookAlike, "a look-alike");
    WriteWide(bestFit, "the best fit");
    TStartFolderOverride start(dir.Path());
    TCodePageOverride codePage(1252);
    DialogAnswerer confirmation("", "Yes");  // would a delete start, it would go through

    SetFocus(form->FileName1->Handle());
    TypeText(Polish);
    EXPECT_EQ(EditText(form->FileName1), Polish) << "typed";
    EXPECT_NE(FromSystemCodePage(form->FileName1->Text()), L"L\u00F3dz.txt");
    form->FileName2->SetText("Lodz.txt");
    Click(form->PvxButton1);
    EXPECT_EQ(Status(), "File 1 not exists");
    Click(form->sBitBtn1);  // Delete File 1
    EXPECT_TRUE(ExistsWide(lookAlike));
    EXPECT_TRUE(ExistsWide(bestFit));
    EXPECT_TRUE(ExistsWide(polish));
    EXPECT_EQ(EditText(form->FileName1), Polish) << "the edit keeps its text";

    form->FileName1->SetText("");
    DropOn(form->Handle(), {polish});
    EXPECT_NE(EditText(form->FileName1), bestFit) << "dropped";
    Click(form->PvxButton1);
    EXPECT_EQ(Status(), "File 1 not exists");
    Click(form->sBitBtn1);
    EXPECT_TRUE(ExistsWide(lookAlike));
    EXPECT_TRUE(ExistsWide(bestFit));
    EXPECT_TRUE(ExistsWide(polish));
    confirmation.Stop();
    EXPECT_FALSE(confirmation.Result().seen) << "no delete was started";
    EXPECT_EQ(SystemCodePage(), 1252u);
}

TEST_F(PathTextsTest, AJapaneseNameComesWholeThroughTheOpenDialog)
{
    const std::wstring japanese = WideDir() + L"\\" + Japanese;
    WriteWide(japanese, "chosen");
    // 932 holds the name; under the manifest's UTF-8 the system's single-byte
    // calls would hold it too, and would not show a name passed through them.
    for (UINT codePage : {932u, unsigned(CP_UTF8)}) {
        SCOPED_TRACE(codePage);
        TCodePageOverride override(codePage);
        form->FileName1->SetText(dir.Path() + "\\");
        {
            OpenDialogUser user({{WideDir(), Japanese}});
            form->FileName1->ButtonClick();
            ASSERT_EQ(user.StepsDone(), 1u);
        }
        EXPECT_EQ(EditText(form->FileName1), japanese);
        EXPECT_EQ(FromSystemCodePage(form->FileName1->Dialog().FileName), japanese);
        form->FileName2->SetText(form->FileName1->Text());
        Click(form->PvxButton1);
        EXPECT_EQ(Status(), Identical) << "and names the file";
    }
}

TEST_F(PathTextsTest, AJapaneseNameComesWholeThroughADropOnTheWindowAndOnAnEditTakingDrops)
{
    const std::wstring japanese = WideDir() + L"\\" + Japanese;
    WriteWide(japanese, "dropped");
    std::vector<std::string> droppedOnEdit;
    form->FileName2->OnDropFiles = [&](TComponent*, const std::vector<std::string>& files) { droppedOnEdit = files; };
    form->FileName2->SetAcceptFiles(true);
    for (UINT codePage : {932u, unsigned(CP_UTF8)}) {
        SCOPED_TRACE(codePage);
        TCodePageOverride override(codePage);
        form->FileName1->SetText("");
        DropOn(form->Handle(), {japanese});
        EXPECT_EQ(EditText(form->FileName1), japanese);
        droppedOnEdit.clear();
        DropOn(form->FileName2->Handle(), {japanese});
        ASSERT_EQ(droppedOnEdit.size(), 1u);
        EXPECT_EQ(FromSystemCodePage(droppedOnEdit[0]), japanese);
        EXPECT_EQ(EditText(form->FileName1), japanese) << "the edit took the drop itself";
    }
    form->FileName2->SetAcceptFiles(false);
}

}  // namespace
