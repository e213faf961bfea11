#pragma once
// Reads the items of the popup menu that opens next from inside its own loop,
// then closes it, or clicks a path of its items (an item that opens a
// submenu, then an item of that submenu) with real mouse input.

#include <windows.h>

#include <string>
#include <vector>

#include "support/WinTestHelpers.h"

struct MenuItemText {
    std::string text;  // "-" for a separator
    bool enabled;
    bool checked;
};

class PopupMenuReader {
public:
    explicit PopupMenuReader(std::vector<std::string> clickPath = {}) : clickPath_(std::move(clickPath))
    {
        timer_ = SetTimer(nullptr, 0, 20, Tick);
        current_ = this;
    }
    PopupMenuReader(const PopupMenuReader&) = delete;
    PopupMenuReader& operator=(const PopupMenuReader&) = delete;
    ~PopupMenuReader()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    std::vector<MenuItemText> items;
    std::vector<MenuItemText> subItems;  // of the first item with a submenu
    bool seen = false;
    bool clicked = false;  // every item of the path was clicked

private:
    static std::vector<MenuItemText> Read(HMENU menu)
    {
        std::vector<MenuItemText> read;
        for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
            char text[64] = {};
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
            info.dwTypeData = text;
            info.cch = sizeof text - 1;
            GetMenuItemInfoA(menu, UINT(i), TRUE, &info);
            bool separator = info.fType & MFT_SEPARATOR;
            read.push_back({separator ? "-" : text, !(info.fState & MFS_DISABLED), (info.fState & MFS_CHECKED) != 0});
        }
        return read;
    }
    static std::vector<HWND> OpenPopups()
    {
        std::vector<HWND> popups;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND w, LPARAM list) -> BOOL {
                char name[16] = {};
                GetClassNameA(w, name, sizeof name);
                if (std::string(name) == "#32768" && IsWindowVisible(w))
                    reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&popups));
        return popups;
    }
    // Clicks the next item of the path in whichever open popup holds it.
    void ClickNext()
    {
        for (HWND popup : OpenPopups()) {
            HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
            std::vector<MenuItemText> texts = Read(menu);
            for (std::size_t i = 0; i < texts.size(); ++i) {
                RECT r{};
                if (texts[i].text != clickPath_[step_] || !GetMenuItemRect(popup, menu, UINT(i), &r))
                    continue;
                ClickAtScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                clicked = ++step_ == clickPath_.size();
                return;
            }
        }
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        PopupMenuReader* self = current_;
        if (!self || self->clicked || (self->seen && self->clickPath_.empty()))
            return;
        std::vector<HWND> popups = OpenPopups();
        if (popups.empty())
            return;
        if (!self->seen) {
            HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popups.front(), MN_GETHMENU, 0, 0));
            self->items = Read(menu);
            for (int i = 0; menu && i < GetMenuItemCount(menu) && self->subItems.empty(); ++i)
                if (HMENU sub = GetSubMenu(menu, i))
                    self->subItems = Read(sub);
            self->seen = true;
            if (self->clickPath_.empty())
                EndMenu();
            return;
        }
        self->ClickNext();
    }
    static inline PopupMenuReader* current_ = nullptr;
    std::vector<std::string> clickPath_;
    std::size_t step_ = 0;
    UINT_PTR timer_;
};
