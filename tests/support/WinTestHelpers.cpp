#include "support/WinTestHelpers.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <filesystem>
#include <map>

#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/SysUtils.h"

namespace {

// Removes a folder with everything in it, any length: `folder` is in the
// "\\?\" form (std::filesystem's remove_all stops at 260 characters even so).
void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                // A link: removed itself, never what it leads to.
                if (!RemoveDirectoryW(path.c_str()))
                    DeleteFileW(path.c_str());
            } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

// When a process started, as a number: with its id it names the process, which
// the id alone does not (Wine gives each new prefix server's first program the same).
unsigned long long StartOf(HANDLE process)
{
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    return (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// "pvxtest_<process id>_<its start>_": the start of every TempDir's name.
std::string TempDirPrefix()
{
    return "pvxtest_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(StartOf(GetCurrentProcess())) +
           "_";
}

bool IsRunning(DWORD id, unsigned long long start)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process)
        return false;
    DWORD code = 0;
    bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE && StartOf(process) == start;
    CloseHandle(process);
    return running;
}

// Folders of test runs that were killed before their TempDir could remove
// them: those of a process that no longer runs.
void RemoveFoldersOfEndedRuns()
{
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(base, error)) {
        std::wstring name = entry.path().filename().wstring();
        if (!name.starts_with(L"pvxtest_") || !entry.is_directory(error))
            continue;
        wchar_t* rest = nullptr;
        DWORD id = DWORD(std::wcstoul(name.c_str() + 8, &rest, 10));
        unsigned long long start = *rest == L'_' ? std::wcstoull(rest + 1, nullptr, 10) : 0;
        if (!IsRunning(id, start))
            RemoveTree(L"\\\\?\\" + entry.path().wstring());
    }
}

}  // namespace

void PrepareTestProcess(const char* applicationTitle)
{
    RemoveFoldersOfEndedRuns();
    // The tests expect the light look; `PVX_COLOR_MODE=dark scripts/run.sh`
    // leaves the dark setting in the prefix the tests share. Tests of the dark
    // look set it themselves.
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                       L"AppsUseLightTheme");
    static TApplication application;
    application.Initialize();
    application.SetTitle(applicationTitle);
}

void ShowOpenFileDialog(HWND owner, const std::string& initialFolder)
{
    std::wstring initial = FromSystemCodePage(initialFolder);
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = initial.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    GetOpenFileNameW(&ofn);
}

void PumpMessages()
{
    Application->ProcessMessages();
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!done()) {
        DWORD spent = GetTickCount() - start;
        if (spent >= timeoutMs)
            return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - spent, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

void PressKey(HWND window, WORD key, bool shift)
{
    BYTE state[256] = {};
    GetKeyboardState(state);
    BYTE saved = state[VK_SHIFT];
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, LPARAM(0xC0000001));
    PumpMessages();
    state[VK_SHIFT] = saved;
    SetKeyboardState(state);
}

void TypeText(const std::wstring& text)
{
    std::vector<INPUT> keys;
    for (wchar_t c : text) {
        INPUT key{};
        key.type = INPUT_KEYBOARD;
        key.ki.wScan = c;
        key.ki.dwFlags = KEYEVENTF_UNICODE;
        keys.push_back(key);
        key.ki.dwFlags |= KEYEVENTF_KEYUP;
        keys.push_back(key);
    }
    SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
    PumpMessages();
}

std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::string text(std::size_t(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(std::size_t(std::max(copied, 0)));
    return text;
}

namespace {
std::map<UINT_PTR, DialogAnswerer*>& Answerers()
{
    static std::map<UINT_PTR, DialogAnswerer*> answerers;
    return answerers;
}
std::map<UINT_PTR, WhenVisible*>& Watchers()
{
    static std::map<UINT_PTR, WhenVisible*> watchers;
    return watchers;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string WithoutAmpersands(std::string text)
{
    std::erase(text, '&');
    return text;
}

struct Search {
    std::string captionPart;
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && ClassOf(window) == "#32770" &&
        WindowText(window).find(search->captionPart) != std::string::npos) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM data)
{
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
    return TRUE;
}
}  // namespace

DialogAnswerer::DialogAnswerer(std::string captionPart, std::string buttonText,
                               std::function<bool(HWND)> ready)
    : captionPart_(std::move(captionPart)), buttonText_(std::move(buttonText)), ready_(std::move(ready))
{
    timer_ = SetTimer(nullptr, 0, 20, Tick);
    Answerers()[timer_] = this;
}

DialogAnswerer::~DialogAnswerer()
{
    Stop();
}

void DialogAnswerer::Stop()
{
    if (!timer_)
        return;
    KillTimer(nullptr, timer_);
    Answerers().erase(timer_);
    timer_ = 0;
}

void CALLBACK DialogAnswerer::Tick(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = Answerers().find(id);
    if (it != Answerers().end() && it->second->TryAnswer())
        it->second->Stop();
}

bool DialogAnswerer::TryAnswer()
{
    Search search{captionPart_};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return false;
    if (meanwhile_) {
        auto meanwhile = std::exchange(meanwhile_, nullptr);
        meanwhile(search.found);
        return false;
    }
    result_.seen = true;
    result_.caption = WindowText(search.found);
    std::vector<HWND> children;
    EnumChildWindows(search.found, CollectChild, reinterpret_cast<LPARAM>(&children));
    const bool ready = !ready_ || ready_(search.found);
    const std::string wanted = ready ? buttonText_ : "Cancel";
    HWND button = nullptr;
    for (HWND child : children) {
        std::string cls = ClassOf(child);
        std::string text = WindowText(child);
        if (cls == "Static" && !text.empty()) {
            result_.texts.push_back(text);
            result_.wideTexts.push_back(WideWindowText(child));
        }
        if (cls == "Button") {
            result_.buttons.push_back(WithoutAmpersands(text));
            if (!button && WithoutAmpersands(text) == wanted)
                button = child;
        }
    }
    if (button) {
        PostMessageA(button, BM_CLICK, 0, 0);
        result_.pressed = ready;
    }
    return true;
}

IdlePipe::IdlePipe()
{
    static int count = 0;
    path_ = "\\\\.\\pipe\\pvx-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    for (int i = 0; i < 8; ++i)
        instances_.push_back(CreateNamedPipeA(path_.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE,
                                              PIPE_UNLIMITED_INSTANCES, 4096, 4096, 0, nullptr));
}

IdlePipe::~IdlePipe()
{
    for (HANDLE instance : instances_)
        if (instance != INVALID_HANDLE_VALUE)
            CloseHandle(instance);
}

void ClickAtScreen(POINT point)
{
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = LONG((point.x * 65536LL + width - 1) / width);
        input.mi.dy = LONG((point.y * 65536LL + height - 1) / height);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

POINT ScreenCentre(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

HDROP MakeDrop(const std::vector<std::string>& paths, POINT at)
{
    std::size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& p : paths)
        size += p.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = at;
    header->fWide = FALSE;
    char* list = reinterpret_cast<char*>(header + 1);
    for (const std::string& p : paths) {
        memcpy(list, p.c_str(), p.size() + 1);
        list += p.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::wstring PickerSelection(HWND picker)
{
    HWND tree = FindWindowExW(picker, nullptr, WC_TREEVIEWW, nullptr);
    wchar_t text[MAX_PATH] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = tree ? TreeView_GetSelection(tree) : nullptr;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    if (!item.hItem || !SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return {};
    return text;
}

WhenVisible::WhenVisible(HWND window, std::function<void()> action)
    : window_(window), action_(std::move(action))
{
    timer_ = SetTimer(nullptr, 0, 20, Tick);
    Watchers()[timer_] = this;
}

WhenVisible::~WhenVisible()
{
    if (timer_) {
        KillTimer(nullptr, timer_);
        Watchers().erase(timer_);
    }
}

void CALLBACK WhenVisible::Tick(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = Watchers().find(id);
    if (it == Watchers().end())
        return;
    WhenVisible* watch = it->second;
    if (!IsWindowVisible(watch->window_))
        return;
    KillTimer(nullptr, watch->timer_);
    Watchers().erase(watch->timer_);
    watch->timer_ = 0;
    watch->done_ = true;
    watch->action_();
}

namespace {
std::string TempPath()
{
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    return base;
}
}  // namespace

TempDir::TempDir() : TempDir(TempPath()) {}

TempDir::TempDir(const std::string& base)
{
    static int counter = 0;
    for (;;) {
        path_ = base + TempDirPrefix() + std::to_string(++counter);
        // Only a name already taken is worth another try.
        if (CreateDirectoryA(path_.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
}

TempDir::~TempDir()
{
    // The tests make paths longer than 260 characters in it.
    RemoveTree(L"\\\\?\\" + FromSystemCodePage(path_));
}

namespace {
// Creates (or empties) a file for writing; any length, any script.
UniqueFile CreateForWriting(const std::string& path)
{
    return UniqueFile(CreateFileW(FromSystemCodePage(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}
}  // namespace

std::string TempDir::WriteFile(const std::string& name, const std::string& bytes) const
{
    std::string path = PathOf(name);
    UniqueFile file = CreateForWriting(path);
    DWORD written = 0;
    if (file && !bytes.empty())
        ::WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr);
    return path;
}

std::string TempDir::WriteSparseFile(const std::string& name, std::uint64_t size,
                                     const std::string& tail) const
{
    std::string path = PathOf(name);
    UniqueFile file = CreateForWriting(path);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    if (!file || !SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.Get()))
        return {};
    LARGE_INTEGER start;
    start.QuadPart = static_cast<LONGLONG>(size - tail.size());
    DWORD written = 0;
    if (!tail.empty()
        && (!SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN)
            || !::WriteFile(file.Get(), tail.data(), DWORD(tail.size()), &written, nullptr)
            || written != tail.size()))
        return {};
    return path;
}

std::string TempDir::MakeFolder(const std::string& name) const
{
    std::string path = PathOf(name);
    CreateDirectoryW(FromSystemCodePage(path).c_str(), nullptr);
    return path;
}

std::wstring WideWindowText(HWND window)
{
    int length = GetWindowTextLengthW(window);
    std::wstring text(std::size_t(length) + 1, L'\0');
    int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(std::size_t(std::max(copied, 0)));
    return text;
}

namespace {
// One entry of the GDI handle table that the system maps into every process
// (the process environment block points to it); Type is 0 for a free slot.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
constexpr std::size_t GdiHandleTableOffset = 0xF8;  // in the 64-bit PEB
constexpr int GdiHandleTableScan = 0x4000;
}  // namespace

int CountGdiObjects()
{
    DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported)
        return int(reported);
    // Wine answers 0 above; count the live slots of the shared table instead.
    std::uint8_t* peb = nullptr;
    asm("movq %%gs:0x60, %0" : "=r"(peb));  // the 64-bit TEB's pointer to the PEB
    auto* table = *reinterpret_cast<GdiHandleEntry**>(peb + GdiHandleTableOffset);
    if (!table)
        return -1;
    int count = 0;
    for (int i = 0; i < GdiHandleTableScan; ++i)
        if (table[i].type)
            ++count;
    return count;
}

namespace {
BOOL CALLBACK CountWindow(HWND window, LPARAM data)
{
    ++*reinterpret_cast<int*>(data);
    EnumChildWindows(window, [](HWND, LPARAM d) -> BOOL { ++*reinterpret_cast<int*>(d); return TRUE; },
                     data);
    return TRUE;
}
}  // namespace

int CountThreadWindows()
{
    int count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (count)
        return count;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}
