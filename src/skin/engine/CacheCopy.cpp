#include "skin/engine/CacheCopy.h"

#include <algorithm>
#include <vector>

#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/SectionRef.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Handles.h"
#include "toolkit/WinControl.h"

namespace {

bool IsGroupBox(HWND child)
{
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    LONG style = GetWindowLongA(child, GWL_STYLE);
    LONG exStyle = GetWindowLongA(child, GWL_EXSTYLE);
    return lstrcmpiA(name, "Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX && !(exStyle & WS_EX_CLIENTEDGE);
}

// The GROUPBOX section's border widths in the binding's skin; none without one.
BorderWidths GroupBoxBorder(const TsCommonData& binding)
{
    TsSkinManager* manager = binding.SkinManager();
    if (!manager)
        return {};
    TsSectionRef section = TsSectionRef::Resolve(&manager->Model(), "GROUPBOX");
    const TsMaskData* border = section.IsValid() ? section.Border() : nullptr;
    return border ? MaskBorderWidths(*border) : BorderWidths{};
}

void Exclude(HDC dc, const Rect& r)
{
    if (!r.IsEmpty())
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}

// A group box keeps its caption band and its border; its inside is the window's.
void ExcludeGroupBoxFrame(HDC dc, HWND child, const Rect& r, BorderWidths w)
{
    int band = std::max(int(SendSkinCommand(child, scQueryCaptionHeight)), w.top);
    Exclude(dc, {r.left, r.top, r.right, std::min(r.top + band, r.bottom)});
    Exclude(dc, {r.left, r.top, std::min(r.left + w.left, r.right), r.bottom});
    Exclude(dc, {std::max(r.right - w.right, r.left), r.top, r.right, r.bottom});
    Exclude(dc, {r.left, std::max(r.bottom - w.bottom, r.top), r.right, r.bottom});
}

}  // namespace

void PaintChildOverCache(TControl* child, TsCommonData& parentBinding, Point cacheOrigin, HDC dc)
{
    TBitmap* cache = parentBinding.CacheBitmap();
    Rect r = child->BoundsRect();
    if (!cache || cache->Empty() || r.IsEmpty() || !dc)
        return;
    TBitmap composed(r.Width(), r.Height());
    HDC buffer = composed.Canvas().Handle();
    BitBlt(buffer, 0, 0, r.Width(), r.Height(), cache->Canvas().Handle(), r.left + cacheOrigin.x,
           r.top + cacheOrigin.y, SRCCOPY);
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(buffer), 0);
    GdiFlush();
    BitBlt(dc, r.left, r.top, r.Width(), r.Height(), buffer, 0, 0, SRCCOPY);
}

void PaintGraphicChildrenOverCache(TWinControl* parent, TsCommonData& parentBinding, Point cacheOrigin, HDC dc)
{
    RECT clip{};
    if (!parent || GetClipBox(dc, &clip) == NULLREGION)
        return;
    std::vector<TControl*> children = parent->Controls();
    for (TControl* child : children) {
        if (dynamic_cast<TWinControl*>(child) || !child->Visible() ||
            child->BoundsRect().Intersected(FromRECT(clip)).IsEmpty())
            continue;
        PaintChildOverCache(child, parentBinding, cacheOrigin, dc);
    }
}

void CopyCacheToWindowDC(HWND window, TsCommonData& binding, Point srcPoint, HDC dc, const Rect& destRect)
{
    TBitmap* cache = binding.CacheBitmap();
    if (!cache || cache->Empty() || !dc || !window)
        return;
    SaveDcGuard saved(dc);
    IntersectClipRect(dc, destRect.left, destRect.top, destRect.right, destRect.bottom);
    BorderWidths groupBorder = GroupBoxBorder(binding);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT placed{};
        GetWindowRect(child, &placed);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
        Rect r = FromRECT(placed);
        if (r.Intersected(destRect).IsEmpty())
            continue;
        if (IsGroupBox(child))
            ExcludeGroupBoxFrame(dc, child, r, groupBorder);
        else
            Exclude(dc, r);
    }
    BitBlt(dc, destRect.left, destRect.top, destRect.Width(), destRect.Height(), cache->Canvas().Handle(), srcPoint.x,
           srcPoint.y, SRCCOPY);
}
