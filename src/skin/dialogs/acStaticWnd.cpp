#include "skin/dialogs/acStaticWnd.h"

#include "skin/dialogs/DialogText.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "toolkit/Handles.h"

TacStaticWnd::TacStaticWnd(HWND window, TsSkinManager* manager) : TacMainWnd(window, "CHECKBOX", manager, nullptr) {}

bool TacStaticWnd::LeftToSystem() const
{
    return (GetWindowLongW(Window(), GWL_STYLE) & WS_TABSTOP) ||
           (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

void TacStaticWnd::PrepareCache()
{
    TBitmap* cache = CacheOfSectionOnParent();
    if (!cache)
        return;
    PaintContent(cache->Canvas().Handle(), WindowSize());
    SkinData().CacheInvalid = false;
}

void TacStaticWnd::PaintContent(HDC dc, Size size)
{
    // Left-aligned whatever the static's own alignment: the text reads as the skin's.
    DrawDialogText(dc, WideWindowTextOf(Window()), DialogMessageFont(), SkinData().Section(), true, false,
                   DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP, {0, 0, size.width + 4, size.height});
}

void TacIconWnd::PaintContent(HDC dc, Size)
{
    auto icon = reinterpret_cast<HICON>(SendMessageW(Window(), STM_GETICON, 0, 0));
    if (icon)
        DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

void TacStaticWnd::PaintNow(HDC dc)
{
    PrepareCache();
    if (TBitmap* cache = SkinData().CacheBitmap(); cache && !cache->Empty())
        BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), 0, 0, SRCCOPY);
}

void TacStaticWnd::WndProc(TMessage& m)
{
    if (!IsActive() || LeftToSystem()) {
        TacMainWnd::WndProc(m);
        return;
    }
    switch (m.Msg) {
    case WM_ERASEBKGND:
        if (!IsVisible())
            break;
        erased_ = true;
        if (auto given = reinterpret_cast<HDC>(m.WParam)) {
            PaintNow(given);
        } else {
            HDC dc = GetDC(Window());
            PaintNow(dc);
            ReleaseDC(Window(), dc);
        }
        m.Result = 1;
        return;
    case WM_PAINT: {
        // The look is painted when the background is erased; an update that
        // asks for no erasing is painted here.
        erased_ = false;
        PaintDc dc(Window(), m.WParam);
        if (!erased_)
            PaintNow(dc.Get());
        m.Result = 0;
        return;
    }
    case WM_PRINTCLIENT:
        PaintNow(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return;
    case WM_MOVE:
        SkinData().CacheInvalid = true;
        CallOldHandler(m);
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    case WM_SETTEXT:
    case WM_ENABLE:
    case STM_SETICON:
    case STM_SETIMAGE:
        // The static paints its new content at once in the window system's look.
        SkinData().CacheInvalid = true;
        TacMainWnd::WndProc(m);
        if (IsVisible())
            RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    case WM_NCPAINT:
        CallOldHandler(m);
        return;
    case SM_SKINCMD:
        if (SkinCmdOf(m.WParam) == scResumePainting) {
            RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
            m.Result = 0;
            return;
        }
        break;
    default:
        break;
    }
    TacMainWnd::WndProc(m);
}
