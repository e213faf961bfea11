// Waits for a visible top-level window with the given caption, lets it finish
// painting, and writes what the screen shows of it (frame included) to a 24-bit
// BMP file. With --compare it first types two paths into the window's first
// two edits and presses its "Compare" button, as a user would; with --about it
// presses "About..." and shoots the box that opens instead (closing it after);
// with --close it closes the window afterwards.
//
//   WindowShot.exe "<caption>" <output.bmp> [--compare <path1> <path2>] [--about] [--close]

#include <windows.h>

#include <cstdio>
#include <cstring>
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
    return TRUE;
}

struct OtherWindowSearch {
    HWND main;
    DWORD process;
    const char* caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindOtherWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<OtherWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (window != search->main && process == search->process && IsWindowVisible(window) &&
        std::strcmp(text, search->caption) == 0) {
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
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--close") == 0) {
            close = true;
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
    if (about && !(window = OpenAbout(main, argv[1]))) {
        std::fprintf(stderr, "WindowShot: the About box did not open\n");
        return 1;
    }
    // Round trips through the window's thread: it has handled what was queued.
    DWORD_PTR ignored = 0;
    for (int i = 0; i < 3; ++i) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
    }
    RECT r{};
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    bool ok = WriteBmp(argv[2], screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ReleaseDC(nullptr, screen);
    if (about)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (close) {
        for (int i = 0; about && i < 100 && IsWindowVisible(window); ++i)
            Sleep(50);  // the box closes in the other process
        PostMessageA(main, WM_CLOSE, 0, 0);
    }
    return ok ? 0 : 1;
}
