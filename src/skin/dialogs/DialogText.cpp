#include "skin/dialogs/DialogText.h"

#include <algorithm>
#include <array>

#include "gfx/ColorBlend.h"
#include "skin/model/SkinColors.h"
#include "skin/model/SkinSections.h"
#include "toolkit/Canvas.h"

namespace {

constexpr double kDisabledFontShare = 0.4;

// The wide non-client metrics as the system's dialogs read them (without
// the padded border width that newer systems add).
constexpr UINT kMetricsSize = 500;

LOGFONTW SystemFont(bool caption)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = kMetricsSize;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, kMetricsSize, &metrics, 0)) {
        LOGFONTW fallback{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
        return fallback;
    }
    return caption ? metrics.lfCaptionFont : metrics.lfMessageFont;
}

HFONT MakeSystemFont(bool caption)
{
    LOGFONTW font = SystemFont(caption);
    return CreateFontIndirectW(&font);
}

void DrawInColour(HDC dc, const std::wstring& text, int32_t colour, UINT format, Rect r)
{
    SetTextColor(dc, COLORREF(ResolveSkinColor(colour)));
    RECT rect = ToRECT(r);
    DrawTextW(dc, text.c_str(), int(text.size()), &rect, format);
}

}  // namespace

HFONT DialogMessageFont()
{
    static UniqueFont font(MakeSystemFont(false));
    return font.Get();
}

HFONT DialogCaptionFont()
{
    static UniqueFont font(MakeSystemFont(true));
    return font.Get();
}

std::wstring WideWindowTextOf(HWND window)
{
    int length = GetWindowTextLengthW(window);
    std::wstring text(std::size_t(std::max(length, 0)) + 1, L'\0');
    int read = GetWindowTextW(window, text.data(), length + 1);
    text.resize(std::size_t(std::max(read, 0)));
    return text;
}

void DrawDialogText(HDC dc, const std::wstring& text, HFONT font, const TsSectionRef& colours, bool enabled, bool hot,
                    UINT format, Rect rect)
{
    if (text.empty())
        return;
    SaveDcGuard saved(dc);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    if (!colours.IsValid()) {
        DrawInColour(dc, text, int32_t(GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT)), format, rect);
        return;
    }
    const TsGeneralData& section = colours.Data();
    if (!enabled) {
        DrawInColour(dc, text, BlendColors(section.FontColor[0], section.Color, kDisabledFontShare), format, rect);
        return;
    }
    const TsFontColors& c = hot ? section.HotFontColor : section.FontColor;
    static constexpr std::array<Point, 4> kShift = {{{-1, 0}, {0, -1}, {1, 0}, {0, 1}}};
    for (int slot = kContourLeft; slot <= kContourBottom; ++slot)
        if (c[std::size_t(slot)] != kSkinNoColor) {
            Point by = kShift[std::size_t(slot - kContourLeft)];
            DrawInColour(dc, text, c[std::size_t(slot)], format, rect.Translated(by.x, by.y));
        }
    DrawInColour(dc, text, c[0], format, rect);
}

Size MeasureDialogText(HDC dc, const std::wstring& text, HFONT font, UINT format, int width)
{
    SaveDcGuard saved(dc);
    SelectObject(dc, font);
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), int(text.size()), &r, format | DT_CALCRECT);
    return {int(r.right - r.left), int(r.bottom - r.top)};
}

void ExcludeVisibleChildren(HDC dc, HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

HBRUSH TsSolidBrushes::Of(COLORREF color)
{
    UniqueBrush& brush = brushes_[color];
    if (!brush)
        brush = UniqueBrush(CreateSolidBrush(color));
    return brush.Get();
}
