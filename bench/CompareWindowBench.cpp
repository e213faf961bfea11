// The Compare command measured end to end through the real main window, as a
// user drives it: the two paths are typed into the file name edits, Compare
// is clicked, and the time runs until the status line shows the verdict.
// Keys and clicks are real input (SendInput), handled by the program's own
// message loop.
// Usage: pvx_compare_window_bench FILE1 FILE2 [ROUNDS] [--progress-cost]
// Prints "name value" lines for scripts/bench.sh: the best time of the
// rounds, the verdict, and the process's peak working set. With
// --progress-cost also the two passes called straight, without and with the
// window's answering and progress, alternately, best of ROUNDS each.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CompareRun.h"
#include "app/Crc32.h"
#include "app/FileCompare.h"
#include "app/StartUp.h"
#include "app/frmMain.h"
#include "toolkit/Application.h"
#include "toolkit/SysUtils.h"

namespace {

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

std::uint64_t PeakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

void Send(std::vector<INPUT> inputs)
{
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Runs the program's loop until `done` holds; the loop sleeps while idle
// (the error box watch below wakes it four times a second). A step that does
// not happen in time ends the run.
template <typename Condition>
void RunUntil(Condition done, const char* step, double seconds = 60)
{
    const double deadline = Now() + seconds;
    while (!done()) {
        if (Now() > deadline) {
            std::fprintf(stderr, "pvx_compare_window_bench: no %s within %.0f s\n", step, seconds);
            std::exit(1);
        }
        Application->HandleMessage();
    }
}

void ClickAt(HWND window)
{
    RECT box{};
    GetWindowRect(window, &box);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG(((box.left + box.right) / 2 * 65536LL + width - 1) / width);
    input.mi.dy = LONG(((box.top + box.bottom) / 2 * 65536LL + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = input;
    down.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    INPUT up = input;
    up.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    Send({input, down, up});
}

// Clicks into the edit, selects what it holds and types `text` over it.
void TypeInto(TCustomEdit* edit, const std::string& text)
{
    ClickAt(edit->Handle());
    RunUntil([&] { return GetFocus() == edit->Handle(); }, "focus in the edit");
    SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
    std::vector<INPUT> keys;
    for (wchar_t c : FromSystemCodePage(text)) {
        INPUT key{};
        key.type = INPUT_KEYBOARD;
        key.ki.wScan = c;
        key.ki.dwFlags = KEYEVENTF_UNICODE;
        keys.push_back(key);
        key.ki.dwFlags |= KEYEVENTF_KEYUP;
        keys.push_back(key);
    }
    Send(keys);
    RunUntil([&] { return edit->Text() == text; }, "typed path");
}

// The error box, should the command fail: its text is printed and it is
// closed, so that the run ends instead of waiting for a user.
void CALLBACK CloseErrorBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = FindWindowA("#32770", ApplicationTitle);
    if (!box)
        return;
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    std::fprintf(stderr, "error box: %s\n", text);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// One Compare run: fields cleared, both paths typed, Compare clicked; the
// seconds from the click to the verdict.
double CompareOnce(TForm1& form, const std::string& path1, const std::string& path2)
{
    ClickAt(form.PvxButton2->Handle());
    RunUntil([&] { return form.Label1->Caption() == StartPrompt && form.Memo1->Text().empty(); },
             "Clear Fields");
    TypeInto(form.FileName1, path1);
    TypeInto(form.FileName2, path2);
    const double start = Now();
    ClickAt(form.PvxButton1->Handle());
    RunUntil([&] { return form.Label1->Caption() != StartPrompt; }, "verdict", 900);
    return Now() - start;
}

// Both passes of the command (the comparison, then the checksums) as the
// window runs them, with `progress` told of every read; the seconds taken.
double PassesOnce(const std::string& path1, const std::string& path2, ReadProgress* progress)
{
    const double start = Now();
    const bool identical = FilesHaveEqualContents(path1, path2, progress) &&
                           FileCrc32(path1, progress) == FileCrc32(path2, progress);
    const double seconds = Now() - start;
    if (!identical)
        std::fprintf(stderr, "pvx_compare_window_bench: the progress cost is measured on identical files\n");
    return seconds;
}

// What the window's answering and progress cost the passes: the best time
// without them against the best time with them, in alternating rounds so
// that the machine's load falls on both alike.
void MeasureProgressCost(TForm1& form, const std::string& path1, const std::string& path2, int rounds)
{
    double bare = 1e30;
    double paced = 1e30;
    for (int i = 0; i < rounds; ++i) {
        bare = std::min(bare, PassesOnce(path1, path2, nullptr));
        TCompareRun run(form.Handle(), form.Label1);
        paced = std::min(paced, PassesOnce(path1, path2, &run));
    }
    std::printf("passes_bare_seconds %.3f\n", bare);
    std::printf("passes_with_progress_seconds %.3f\n", paced);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: pvx_compare_window_bench FILE1 FILE2 [ROUNDS]\n");
        return 2;
    }
    const std::string path1 = argv[1];
    const std::string path2 = argv[2];
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const bool progressCost = argc > 4 && std::string(argv[4]) == "--progress-cost";

    InitializeModules();
    int result = 0;
    {
        TApplication application;
        CreateApplicationForms(application);
        Form1->Show();
        SetForegroundWindow(Form1->Handle());
        application.ProcessMessages();
        std::printf("peak_working_set_at_start_bytes %llu\n",
                    static_cast<unsigned long long>(PeakWorkingSet()));
        const UINT_PTR watch = SetTimer(nullptr, 0, 250, CloseErrorBox);

        double best = 1e30;
        for (int i = 0; i < rounds; ++i) {
            const double seconds = CompareOnce(*Form1, path1, path2);
            std::printf("round_seconds %.3f\n", seconds);
            std::fflush(stdout);
            best = std::min(best, seconds);
        }
        KillTimer(nullptr, watch);
        const std::string verdict = Form1->Label1->Caption();
        if (progressCost)
            MeasureProgressCost(*Form1, path1, path2, rounds);
        std::printf("best_seconds %.3f\n", best);
        std::printf("verdict %s\n", verdict.c_str());
        std::printf("peak_working_set_bytes %llu\n", static_cast<unsigned long long>(PeakWorkingSet()));
        if (verdict.rfind("Files are ", 0) != 0)
            result = 1;
        Form1->Close();
        application.ProcessMessages();
    }
    FinalizeModules();
    return result;
}
