#include "skin/adapters/acInsideColors.h"

#include "gfx/Contrast.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinColors.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/SectionRef.h"
#include "toolkit/Bitmap.h"

namespace {

Rgb24 PixelOf(COLORREF c)
{
    return ToRgb24(uint32_t(c));
}

}  // namespace

std::optional<TsInsideColors> SkinInsideColors(const TsSkinManager* manager)
{
    if (!manager || !manager->Active() || !manager->Model().IsLoaded())
        return std::nullopt;
    TsSectionRef edit = TsSectionRef::Resolve(&manager->Model(), "EDIT");
    if (!edit.IsValid())
        return std::nullopt;
    auto window = COLORREF(ResolveSkinColor(edit.Data().Color));
    if (ContrastRatio(uint32_t(GetSysColor(COLOR_WINDOWTEXT)), uint32_t(window)) >= kReadableContrast)
        return std::nullopt;
    return TsInsideColors{window, COLORREF(ResolveSkinColor(edit.Data().FontColor[0]))};
}

COLORREF InsideWindowColor(const TsSkinManager* manager)
{
    std::optional<TsInsideColors> skin = SkinInsideColors(manager);
    return skin ? skin->Window : GetSysColor(COLOR_WINDOW);
}

void RecolorSystemDrawn(HDC dc, const Rect& r, const TsInsideColors& colors)
{
    if (r.IsEmpty())
        return;
    TBitmap copy(r.Width(), r.Height());
    if (copy.Empty())
        return;
    HDC copyDc = copy.Canvas().Handle();
    BitBlt(copyDc, 0, 0, r.Width(), r.Height(), dc, r.left, r.top, SRCCOPY);
    GdiFlush();
    const Rgb24 systemWindow = PixelOf(GetSysColor(COLOR_WINDOW)), systemText = PixelOf(GetSysColor(COLOR_WINDOWTEXT));
    const Rgb24 window = PixelOf(colors.Window), text = PixelOf(colors.Text);
    View24 pixels = copy.Pixels24();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            Rgb24& p = pixels.At(x, y);
            if (p == systemWindow)
                p = window;
            else if (p == systemText)
                p = text;
        }
    BitBlt(dc, r.left, r.top, r.Width(), r.Height(), copyDc, 0, 0, SRCCOPY);
}
