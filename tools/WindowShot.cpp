// Waits for a visible top-level window with the given caption, lets it finish
// painting, and writes what the screen shows of it (frame included) to a 24-bit
// BMP file. With --compare it first types two paths into the window's first
// two edits and presses its "Compare" button, as a user would; with --about it
// presses "About..." and shoots the box that opens instead (closing it after);
// with --close it closes the window afterwards. With --dialogs the output is
// a folder, and the program's dialogs of the system are opened one after the
// other as a user opens them (the error box of Compare on a locked file, the
// folder picker of Move File 1, the delete confirmation of Delete File 1, and
// the open-file dialog of the first edit's browse button when it has one),
// each written to its own picture there and closed again.
//
//   WindowShot.exe "<caption>" <output.bmp> [--compare <path1> <path2>] [--about] [--close]
//   WindowShot.exe "<caption>" <folder> --dialogs [--close]

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

HWND WaitForWindow(const char* caption)
{
    for (int tries = 0; tries < 600; ++tries) {
        HWND window = FindWindowA(nullptr, caption);
        if (window && IsWindowVisible(window))
            return window;
        Sleep(50);  // polling another process's start-up; no message to wait on
    }
    return nullptr;
}

bool WriteBmp(const char* path, HDC source, int x, int y, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    DWORD stride = DWORD(((width * 24 + 31) / 32) * 4);
    DWORD imageSize = stride * DWORD(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    bool ok = false;
    if (FILE* out = std::fopen(path, "wb")) {
        ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
             std::fwrite(&info.bmiHeader, sizeof(BITMAPINFOHEADER), 1, out) == 1 &&
             std::fwrite(bits, 1, imageSize, out) == imageSize;
        ok = std::fclose(out) == 0 && ok;
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return ok;
}

struct ChildSearch {
    std::vector<HWND> edits;
    HWND compare = nullptr;
    HWND about = nullptr;
    HWND move1 = nullptr;
    HWND delete1 = nullptr;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM data)
{
    auto* search = reinterpret_cast<ChildSearch*>(data);
    char cls[64] = {}, text[64] = {};
    GetClassNameA(child, cls, sizeof cls);
    GetWindowTextA(child, text, sizeof text);
    if (std::strstr(cls, "Edit"))
        search->edits.push_back(child);
    if (std::strcmp(text, "Compare") == 0)
        search->compare = child;
    if (std::strcmp(text, "About...") == 0)
        search->about = child;
    if (std::strcmp(text, "Move File 1") == 0)
        search->move1 = child;
    if (std::strcmp(text, "Delete File 1") == 0)
        search->delete1 = child;
    return TRUE;
}

struct OtherWindowSearch {
    HWND main;
    DWORD process;
    const char* caption;
    HWND found = nullptr;
    bool dialogPart = false;  // a dialog window whose caption holds the text
};

BOOL CALLBACK FindOtherWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<OtherWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    bool matches = search->dialogPart ? std::strcmp(cls, "#32770") == 0 && std::strstr(text, search->caption)
                                      : std::strcmp(text, search->caption) == 0;
    if (window != search->main && process == search->process && IsWindowVisible(window) && matches) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Presses "About..." and waits for the box: another visible window of the
// program with the main window's caption.
HWND OpenAbout(HWND window, const char* caption)
{
    ChildSearch search;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&search));
    if (!search.about)
        return nullptr;
    PostMessageA(search.about, BM_CLICK, 0, 0);
    OtherWindowSearch other{window, 0, caption};
    GetWindowThreadProcessId(window, &other.process);
    for (int tries = 0; tries < 200 && !other.found; ++tries) {
        Sleep(50);  // the box opens in the other process's modal loop; nothing to wait on here
        EnumWindows(FindOtherWindow, reinterpret_cast<LPARAM>(&other));
    }
    return other.found;
}

bool RunCompare(HWND window, const char* path1, const char* path2)
{
    ChildSearch search;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&search));
    if (search.edits.size() < 2 || !search.compare)
        return false;
    SendMessageA(search.edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path1));
    SendMessageA(search.edits[1], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path2));
    SendMessageA(search.compare, BM_CLICK, 0, 0);
    return true;
}

// Round trips through the window's thread: it has handled what was queued.
void LetPaint(HWND window)
{
    DWORD_PTR ignored = 0;
    for (int i = 0; i < 3; ++i) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
    }
}

bool Shoot(HWND window, const char* path)
{
    LetPaint(window);
    RECT r{};
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    bool ok = WriteBmp(path, screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ReleaseDC(nullptr, screen);
    return ok;
}

HWND WaitForDialog(HWND main, const char* captionPart)
{
    OtherWindowSearch other{main, 0, captionPart};
    other.dialogPart = true;
    GetWindowThreadProcessId(main, &other.process);
    for (int tries = 0; tries < 200 && !other.found; ++tries) {
        Sleep(50);  // the dialog opens in the other process's modal loop; nothing to wait on here
        EnumWindows(FindOtherWindow, reinterpret_cast<LPARAM>(&other));
    }
    return other.found;
}

BOOL CALLBACK PressNamed(HWND child, LPARAM data)
{
    char text[64] = {};
    GetWindowTextA(child, text, sizeof text);
    std::string plain;
    for (const char* c = text; *c; ++c)
        if (*c != '&')
            plain += *c;
    if (plain == reinterpret_cast<const char*>(data)) {
        PostMessageA(child, BM_CLICK, 0, 0);
        return FALSE;
    }
    return TRUE;
}

// Opens a dialog with a click on opener at a point of its client area (the
// button message when there is no point), writes its picture and closes it
// with the button named.
bool ShootDialog(HWND main, HWND opener, const char* captionPart, const std::string& path, const char* closeWith,
                 const POINT* at = nullptr)
{
    if (!opener)
        return false;
    if (at) {
        LPARAM place = MAKELPARAM(at->x, at->y);
        PostMessageA(opener, WM_MOUSEMOVE, 0, place);
        PostMessageA(opener, WM_LBUTTONDOWN, MK_LBUTTON, place);
        PostMessageA(opener, WM_LBUTTONUP, 0, place);
    } else {
        PostMessageA(opener, BM_CLICK, 0, 0);
    }
    HWND dialog = WaitForDialog(main, captionPart);
    if (!dialog) {
        std::fprintf(stderr, "WindowShot: no dialog \"%s\" opened\n", captionPart);
        return false;
    }
    bool ok = Shoot(dialog, path.c_str());
    EnumChildWindows(dialog, PressNamed, reinterpret_cast<LPARAM>(closeWith));
    for (int i = 0; i < 100 && IsWindow(dialog) && IsWindowVisible(dialog); ++i)
        Sleep(50);  // the dialog closes in the other process
    return ok;
}

// The first edit's browse button: a child window of the edit or, when the
// button has no window of its own, the edit's last 22 pixels on the right.
bool FindBrowseButton(HWND edit, HWND& target, POINT& at)
{
    for (HWND child = GetWindow(edit, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[64] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (!std::strstr(cls, "Edit")) {
            RECT r{};
            GetClientRect(child, &r);
            target = child;
            at = {r.right / 2, r.bottom / 2};
            return true;
        }
    }
    char cls[64] = {};
    GetClassNameA(edit, cls, sizeof cls);
    if (!std::strstr(cls, "FilenameEdit"))
        return false;
    RECT r{};
    GetClientRect(edit, &r);
    target = edit;
    at = {r.right - 11, r.bottom / 2};
    return true;
}

bool ShootDialogs(HWND main, const std::string& folder)
{
    ChildSearch search;
    EnumChildWindows(main, CollectChild, reinterpret_cast<LPARAM>(&search));
    if (search.edits.size() < 2 || !search.compare) {
        std::fprintf(stderr, "WindowShot: no edits or Compare button\n");
        return false;
    }
    // A file another program holds open for writing: Compare cannot read it.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string locked = std::string(temp) + "parivex-locked.bin";
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(holder, "locked", 6, &written, nullptr);
    for (HWND edit : {search.edits[0], search.edits[1]})
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(locked.c_str()));
    bool ok = ShootDialog(main, search.compare, "File comparing utility", folder + "\\error-box.bmp", "OK");
    CloseHandle(holder);
    SendMessageA(search.edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(locked.c_str()));
    ok = ShootDialog(main, search.move1, "Browse for Folder", folder + "\\folder-picker.bmp", "Cancel") && ok;
    SendMessageA(search.edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(locked.c_str()));
    ok = ShootDialog(main, search.delete1, "Confirm", folder + "\\delete-confirmation.bmp", "No") && ok;
    HWND browse = nullptr;
    POINT at{};
    if (FindBrowseButton(search.edits[0], browse, at))
        ok = ShootDialog(main, browse, "Open", folder + "\\open-file.bmp", "Cancel", &at) && ok;
    else
        std::fprintf(stderr, "WindowShot: the first edit has no browse button; no open-file picture\n");
    DeleteFileA(locked.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: WindowShot \"<caption>\" <output.bmp> [--close]\n");
        return 2;
    }
    HWND window = WaitForWindow(argv[1]);
    if (!window) {
        std::fprintf(stderr, "WindowShot: no window \"%s\" appeared\n", argv[1]);
        return 1;
    }
    SetForegroundWindow(window);
    bool close = false;
    bool about = false;
    bool dialogs = false;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--close") == 0) {
            close = true;
        } else if (std::strcmp(argv[i], "--dialogs") == 0) {
            dialogs = true;
        } else if (std::strcmp(argv[i], "--about") == 0) {
            about = true;
        } else if (std::strcmp(argv[i], "--compare") == 0 && i + 2 < argc) {
            if (!RunCompare(window, argv[i + 1], argv[i + 2])) {
                std::fprintf(stderr, "WindowShot: no edits or Compare button\n");
                return 1;
            }
            i += 2;
        }
    }
    HWND main = window;
    if (dialogs) {
        bool ok = ShootDialogs(main, argv[2]);
        if (close)
            PostMessageA(main, WM_CLOSE, 0, 0);
        return ok ? 0 : 1;
    }
    if (about && !(window = OpenAbout(main, argv[1]))) {
        std::fprintf(stderr, "WindowShot: the About box did not open\n");
        return 1;
    }
    bool ok = Shoot(window, argv[2]);
    if (about)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (close) {
        for (int i = 0; about && i < 100 && IsWindowVisible(window); ++i)
            Sleep(50);  // the box closes in the other process
        PostMessageA(main, WM_CLOSE, 0, 0);
    }
    return ok ? 0 : 1;
}
