#include "skin/gdi/SkinText.h"

#include <array>

#include "gfx/ColorBlend.h"
#include "skin/paint/SkinBackground.h"
#include "skin/model/SkinModel.h"
#include "toolkit/SysUtils.h"

namespace {

constexpr double kDisabledFontShare = 0.4;

// Puts back the canvas's font colour and brush style.
class TextStyleGuard {
public:
    explicit TextStyleGuard(TCanvas& canvas)
        : canvas_(canvas), color_(canvas.Font().Color()), brush_(canvas.Brush().Style())
    {
    }
    TextStyleGuard(const TextStyleGuard&) = delete;
    TextStyleGuard& operator=(const TextStyleGuard&) = delete;
    ~TextStyleGuard()
    {
        canvas_.Font().SetColor(color_);
        canvas_.Brush().SetStyle(brush_);
    }

private:
    TCanvas& canvas_;
    TColor color_;
    TBrushStyle brush_;
};

void DrawInColour(TCanvas& canvas, const std::string& text, int32_t colour, UINT format, Rect rect)
{
    canvas.Font().SetColor(ResolveSkinColor(colour));
    canvas.DrawText(text, rect, format);
}

// The contour slots left, top, right, bottom, each with rect moved one pixel outwards.
void DrawContours(TCanvas& canvas, const std::string& text, const TsFontColors& colours, UINT format,
                  const Rect& rect)
{
    static constexpr std::array<Point, 4> kShift = {{{-1, 0}, {0, -1}, {1, 0}, {0, 1}}};
    for (int slot = kContourLeft; slot <= kContourBottom; ++slot) {
        int32_t colour = colours[std::size_t(slot)];
        if (colour != kSkinNoColor) {
            Point by = kShift[std::size_t(slot - kContourLeft)];
            DrawInColour(canvas, text, colour, format, rect.Translated(by.x, by.y));
        }
    }
}

}  // namespace

void DrawSectionText(TCanvas& canvas, const std::string& text, bool enabled, const TsSectionRef& sectionRef, bool hot,
                     UINT format, const Rect& rect)
{
    if (text.empty() || !sectionRef.IsValid())
        return;
    const TsGeneralData* section = &sectionRef.Data();
    TextStyleGuard guard(canvas);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (!enabled) {
        DrawInColour(canvas, text, BlendColors(section->FontColor[0], section->Color, kDisabledFontShare), format,
                     rect);
        return;
    }
    const TsFontColors& colours = hot ? section->HotFontColor : section->FontColor;
    DrawContours(canvas, text, colours, format, rect);
    DrawInColour(canvas, text, colours[0], format, rect);
}

void DrawControlText(TCanvas& canvas, const std::string& text, bool enabled, bool hot, const TsControlTextStyle& style,
                     const TFont& font, UINT format, const Rect& rect)
{
    canvas.Font().Assign(font);
    if (hot && style.UnderlineWhenHot)
        canvas.Font().SetStyle(canvas.Font().Style() | fsUnderline);
    if (text.empty())
        return;
    ClipRectGuard clip(canvas.Handle(), rect.left, rect.top, rect.right, rect.bottom);
    TextStyleGuard guard(canvas);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const TsSectionRef& colours = style.ColorSection;
    const TsGeneralData* section = colours.IsValid() ? &colours.Data() : nullptr;
    Rect r = rect;
    if (!enabled) {
        if (section)
            canvas.Font().SetColor(
                BlendColors(section->FontColor[0], colours.Model->GetGlobalColor(), kDisabledFontShare));
        canvas.DrawText(text, r, format);
        return;
    }
    if (section && !style.CustomFont) {
        const TsFontColors& fontColors = hot ? section->HotFontColor : section->FontColor;
        DrawContours(canvas, text, fontColors, format | DT_NOCLIP, rect);
        canvas.Font().SetColor(ResolveSkinColor(fontColors[0]));
    }
    canvas.DrawText(text, r, format | DT_NOCLIP);
}

std::string EllipsizeText(TCanvas& canvas, const std::string& text, int maxWidth)
{
    if (maxWidth <= 0)
        return {};
    if (canvas.TextWidth(text) <= maxWidth)
        return text;
    static const std::string kDots = "...";
    int room = maxWidth - canvas.TextWidth(kDots);
    if (room < 0)
        return {};
    // The characters that fit in the room, then fewer while kerning or
    // overhang make the whole too wide. Counted in wide characters, so that
    // no cut falls inside a character of the system code page.
    const std::wstring wide = FromSystemCodePage(text);
    INT fit = 0;
    SIZE size{};
    GetTextExtentExPointW(canvas.Handle(), wide.c_str(), int(wide.size()), room, &fit, nullptr, &size);
    std::size_t keep = std::min<std::size_t>(std::size_t(std::max(fit, 0)), wide.size());
    auto head = [&wide](std::size_t count) {
        if (count > 0 && IS_HIGH_SURROGATE(wide[count - 1]))
            --count;  // never half of a pair
        return ToSystemCodePage(wide.substr(0, count));
    };
    while (keep > 0 && canvas.TextWidth(head(keep) + kDots) > maxWidth)
        --keep;
    return head(keep) + kDots;
}

int MeasureTextWidth(TCanvas& canvas, const std::string& text)
{
    return canvas.TextWidth(text);
}

int MeasureTextHeight(TCanvas& canvas, const std::string& text)
{
    return canvas.TextHeight(text);
}

Size MeasureTextSize(TCanvas& canvas, const std::string& text)
{
    return canvas.TextExtent(text);
}

int DrawTextInRect(TCanvas& canvas, const std::string& text, Rect& rect, UINT format)
{
    return canvas.DrawText(text, rect, format);
}
