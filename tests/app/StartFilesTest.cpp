// Starting with files on the command line (`parivex.exe [FILE1 [FILE2]]`), as
// the desktop shell's Send To menu starts the program: how the arguments are
// split and made into paths, the main window they fill and the Compare they
// run, and the program itself started with two files, read from outside: its
// windows' texts and its status line's pixels on the screen.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/About.h"
#include "app/StartFiles.h"
#include "app/StartUp.h"
#include "app/frmMain.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/SysUtils.h"

namespace {

constexpr const char* Identical = "Files are Identical (By File Size and CRC32 Check)";
constexpr const char* NotIdentical = "Files are Not Identical (By File Size and CRC32 Check)";

std::wstring W(const std::string& text)
{
    return FromSystemCodePage(text);
}

using Paths = std::vector<std::string>;

TEST(StartFiles, SplitsAsTheSystemDoesAndTakesTheFirstTwoAfterTheProgram)
{
    EXPECT_EQ(StartFilesOf(L""), Paths{});
    EXPECT_EQ(StartFilesOf(L"\"C:\\Program Files\\Parivex\\parivex.exe\""), Paths{});
    EXPECT_EQ(StartFilesOf(L"\"C:\\Program Files\\parivex.exe\" \"C:\\my files\\a b.txt\"   "
                           L"C:\\報告\\下書き.txt C:\\third.txt \"C:\\fourth file.txt\""),
              (Paths{"C:\\my files\\a b.txt", "C:\\報告\\下書き.txt"}));
    // Quotes may stand inside an argument, and "" is an argument of its own.
    EXPECT_EQ(StartFilesOf(L"parivex.exe \"C:\\my files\"\\a.txt \"\""), (Paths{"C:\\my files\\a.txt", ""}));
}

TEST(StartFiles, RelativeArgumentsAreTakenInTheStartFolder)
{
    TempDir dir;
    dir.MakeFolder("sub");
    TStartFolderOverride inside(dir.Path());
    EXPECT_EQ(StartFilesOf(L"parivex.exe \"a copy.txt\" sub\\..\\テスト.txt"),
              (Paths{dir.PathOf("a copy.txt"), dir.PathOf("テスト.txt")}));
    EXPECT_EQ(StartFilePath(L".\\sub\\x.bin"), dir.PathOf("sub\\x.bin"));
}

// Expanding a path drops a trailing dot or space of a name, which would turn
// "report.txt." into "report.txt"; such an argument stays as given, and so
// names no file (FileExists).
TEST(StartFiles, ANameEndingInADotOrASpaceStaysAsGiven)
{
    TempDir dir;
    TStartFolderOverride inside(dir.Path());
    EXPECT_EQ(StartFilePath(L"report.txt."), "report.txt.");
    EXPECT_EQ(StartFilePath(L"sub \\report.txt"), "sub \\report.txt");
}

// A lone surrogate is no character of the code page (not even of UTF-8): it
// must not become U+FFFD, which may be the name of another file.
TEST(StartFiles, ACharacterTheCodePageCannotHoldBecomesAQuestionMark)
{
    EXPECT_EQ(StartFilePath(L"C:\\a\xD800z\\b\xDC00.txt"), "C:\\a?z\\b?.txt");
    EXPECT_EQ(StartFilePath(L"C:\\smile \U0001F600.txt"), "C:\\smile 😀.txt") << "a pair is one character";
    EXPECT_FALSE(FileExists(StartFilePath(L"C:\\windows\\win.in\xD800")));
}

// The main window started as the program starts it with the files of a
// command line: created, filled, then shown by the loop.
class StartedWindowTest : public testing::Test {
protected:
    void Start(const std::wstring& commandLine)
    {
        CurrentPath1.clear();
        CurrentPath2.clear();
        CreateApplicationForms(*Application);
        form = Form1;
        form->OpenStartFiles(StartFilesOf(commandLine.c_str()));
        form->Show();
        PumpMessages();
    }

    void TearDown() override
    {
        delete AboutBox;
        delete Form1;
        PumpMessages();
    }

    std::string Status() const { return form->Label1->Caption(); }
    std::wstring Edit(int slot) const
    {
        return WideWindowText((slot == 1 ? form->FileName1 : form->FileName2)->Handle());
    }

    TempDir dir;
    TForm1* form = nullptr;
};

TEST_F(StartedWindowTest, TwoFilesFillBothEditsAndCompareAsAClickWould)
{
    dir.MakeFolder("my files");
    const std::string a = dir.WriteFile("my files\\a copy.txt", "the same bytes");
    const std::string b = dir.WriteFile("報告書の下書き.txt", "the same bytes");
    Start(L"parivex.exe \"" + W(a) + L"\" " + W(b));
    EXPECT_EQ(Edit(1), W(a));
    EXPECT_EQ(Edit(2), W(b));
    EXPECT_EQ(Status(), Identical);
    EXPECT_EQ(CurrentPath1, a);
    EXPECT_EQ(CurrentPath2, b);
    EXPECT_EQ(form->Memo1->Lines().Count(), 8);
    EXPECT_EQ(form->Memo2->Lines().Count(), 8);
    EXPECT_EQ(form->ActiveControl(), form->FileName1) << "focus starts where it always does";

    form->PvxButton1->Click();  // the same as pressing Compare again
    EXPECT_EQ(Status(), Identical);
    EXPECT_EQ(form->Memo1->Lines().Count(), 16);
}

TEST_F(StartedWindowTest, OneFileFillsFile1AndComparesNothing)
{
    const std::string a = dir.WriteFile("a.txt", "a");
    Start(L"parivex.exe " + W(a));
    EXPECT_EQ(Edit(1), W(a));
    EXPECT_EQ(Edit(2), L"");
    EXPECT_EQ(Status(), StartPrompt);
    EXPECT_EQ(CurrentPath1, "");
    EXPECT_EQ(form->Memo1->Text(), "");
}

TEST_F(StartedWindowTest, AMissingFirstFileIsReportedAndNothingCompared)
{
    const std::string b = dir.WriteFile("b.txt", "b");
    Start(L"parivex.exe \"" + W(dir.PathOf("missing file.txt")) + L"\" " + W(b));
    EXPECT_EQ(Edit(1), W(dir.PathOf("missing file.txt")));
    EXPECT_EQ(Status(), "File 1 not exists");
    EXPECT_EQ(form->Memo1->Text(), "");
}

TEST_F(StartedWindowTest, AFolderAsSecondFileIsReportedAndNothingCompared)
{
    const std::string a = dir.WriteFile("a.txt", "a");
    Start(L"parivex.exe " + W(a) + L" \"" + W(dir.Path()) + L"\"");
    EXPECT_EQ(Status(), "File 2 not exists");
    EXPECT_EQ(CurrentPath1, a);
    EXPECT_EQ(form->Memo2->Text(), "");
}

// An error of the command reaches the error box, as from a click: the
// Compare runs from the message loop, not inside the start-up.
TEST_F(StartedWindowTest, AFileLockedForWritingShowsTheErrorBox)
{
    const std::string a = dir.WriteFile("施錠中.bin", "abc");
    const std::string b = dir.WriteFile("b.bin", "abc");
    UniqueFile holder(CreateFileW(W(a).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    DialogAnswerer answer("File comparing utility", "OK");
    Start(L"parivex.exe " + W(a) + L" " + W(b));
    answer.Stop();

    ASSERT_TRUE(answer.Result().seen) << "no error box";
    ASSERT_EQ(answer.Result().texts.size(), 1u);
    EXPECT_EQ(answer.Result().texts[0].rfind("Cannot open file \"" + a + "\". ", 0), 0u) << answer.Result().texts[0];
    EXPECT_EQ(Status(), StartPrompt);
    EXPECT_EQ(form->Memo1->Text(), "");
}

// The program itself, started by the system with a command line as the shell
// starts it from Send To, in a folder of its own: read from outside through
// its windows, as another program (or a screen reader) would.
class StartedProgram {
public:
    StartedProgram(const std::wstring& arguments, const std::string& folder)
    {
        std::wstring program = L"Z:" + W(PVX_PROGRAM);
        for (wchar_t& c : program)
            if (c == L'/')
                c = L'\\';
        std::wstring commandLine = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            W(folder).c_str(), &startup, &started)) {
            ADD_FAILURE() << "the program did not start: error " << GetLastError();
            return;
        }
        process_.Reset(started.hProcess);
        CloseHandle(started.hThread);
        processId_ = started.dwProcessId;
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram()
    {
        if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.Get(), 1);
    }

    // Waits for the main window until done(window) holds, the program ends or
    // a minute has passed; returns the window (null when it never came).
    HWND WaitForWindow(const std::function<bool(HWND)>& done)
    {
        const DWORD start = GetTickCount();
        while (process_ && GetTickCount() - start < 60000) {
            HWND window = MainWindow();
            if (window && done(window))
                return window;
            if (WaitForSingleObject(process_.Get(), 50) != WAIT_TIMEOUT)
                break;
        }
        return nullptr;
    }

    // Closes the window and returns the program's exit code (~0 when it does not end).
    DWORD Close(HWND window)
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        DWORD code = ~DWORD(0);
        if (WaitForSingleObject(process_.Get(), 60000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.Get(), &code);
        return code;
    }

private:
    struct Search {
        DWORD processId;
        HWND window;
    };
    static BOOL CALLBACK Visit(HWND window, LPARAM data)
    {
        auto* search = reinterpret_cast<Search*>(data);
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId != search->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
            return TRUE;
        search->window = window;
        return FALSE;
    }
    HWND MainWindow() const
    {
        Search search{processId_, nullptr};
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
        return search.window;
    }

    UniqueHandle<HANDLE, KernelHandleTraits> process_;
    DWORD processId_ = 0;
};

// The text of another program's window, asked for with WM_GETTEXT, which the
// system carries across processes.
std::wstring OtherWindowText(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &copied);
    text.resize(copied);
    return text;
}

// The child windows of a window class, from the top of the window down.
std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className)
{
    struct Search {
        const wchar_t* className;
        std::vector<HWND> found;
    } search{className, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            if (lstrcmpW(name, s->className) == 0)
                s->found.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    std::sort(search.found.begin(), search.found.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top < rb.top;
    });
    return search.found;
}

// The pixels of a rectangle of a window's client area as the screen shows
// them (read from the screen, so that another program's window can be read).
std::vector<std::uint32_t> ScreenPixels(HWND window, const RECT& clientRect)
{
    POINT origin{clientRect.left, clientRect.top};
    ClientToScreen(window, &origin);
    const int width = clientRect.right - clientRect.left;
    const int height = clientRect.bottom - clientRect.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
    WindowDc screen(nullptr);
    {
        SelectGuard selected(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), origin.x, origin.y, SRCCOPY);
    }
    const auto* first = static_cast<const std::uint32_t*>(bits);
    return std::vector<std::uint32_t>(first, first + std::size_t(width) * std::size_t(height));
}

// The status line of a main window of this process showing `text`, as the
// screen shows it, and where it lies in the window.
struct StatusLine {
    RECT clientRect{};
    std::vector<std::uint32_t> pixels;
};
StatusLine StatusLineShowing(const char* text)
{
    CreateApplicationForms(*Application);
    Form1->Label1->SetCaption(text);
    Form1->Show();
    PumpMessages();
    const Rect bounds = Form1->Label1->BoundsRect();
    StatusLine line{{bounds.left, bounds.top, bounds.right, bounds.bottom}, {}};
    line.pixels = ScreenPixels(Form1->Handle(), line.clientRect);
    delete AboutBox;
    delete Form1;
    PumpMessages();
    return line;
}

TEST(StartedProgram, TwoFilesOnItsCommandLineAreComparedAndShown)
{
    const StatusLine identical = StatusLineShowing(Identical);
    ASSERT_NE(identical.pixels, StatusLineShowing(NotIdentical).pixels) << "the verdicts cannot be told apart";

    TempDir dir;
    dir.MakeFolder("my files");
    const std::string a = dir.WriteFile("my files\\a copy.txt", "the same bytes");
    const std::string b = dir.WriteFile("報告書の下書き.txt", "the same bytes");
    // The first relative to the folder the program starts in, as a user types it.
    StartedProgram program(L"\"my files\\a copy.txt\" " + W(b), dir.Path());
    HWND window = program.WaitForWindow([](HWND w) {
        std::vector<HWND> panes = ChildrenOfClass(w, L"TMemo");
        return panes.size() == 2 && !OtherWindowText(panes[1]).empty();
    });
    ASSERT_NE(window, nullptr) << "no main window with both panes filled";

    EXPECT_EQ(OtherWindowText(window), L"Parivex 1.1");
    std::vector<HWND> edits = ChildrenOfClass(window, L"TsFilenameEdit");
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(OtherWindowText(edits[0]), W(a));
    EXPECT_EQ(OtherWindowText(edits[1]), W(b));
    std::vector<HWND> panes = ChildrenOfClass(window, L"TMemo");
    EXPECT_EQ(OtherWindowText(panes[0]).rfind(L"File Name and Path: " + W(a) + L"\r\n", 0), 0u);
    EXPECT_EQ(OtherWindowText(panes[1]).rfind(L"File Name and Path: " + W(b) + L"\r\n", 0), 0u);
    // The verdict, once the program has painted it.
    EXPECT_TRUE(program.WaitForWindow(
        [&](HWND w) { return ScreenPixels(w, identical.clientRect) == identical.pixels; }))
        << "the status line does not show the verdict \"" << Identical << "\"";
    EXPECT_EQ(program.Close(window), 0u) << "the program did not end well after its window was closed";
}

}  // namespace
