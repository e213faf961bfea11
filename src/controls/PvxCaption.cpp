#include "controls/PvxCaption.h"

#include "toolkit/Canvas.h"
#include "toolkit/Handles.h"
#include "toolkit/SysUtils.h"

TPvxCaptionLook ButtonCaptionLook(bool enabled, TPvxDisabledStyle style)
{
    if (enabled)
        return TPvxCaptionLook::Normal;
    switch (style) {
    case TPvxDisabledStyle::dsAuto:
    case TPvxDisabledStyle::ds3d: return TPvxCaptionLook::Embossed;
    case TPvxDisabledStyle::dsStandard: return TPvxCaptionLook::GrayOnly;
    case TPvxDisabledStyle::dsNone: break;
    }
    return TPvxCaptionLook::Normal;
}

TPvxCaptionLook LabelCaptionLook(bool enabled, TPvxDisabledStyle style)
{
    if (enabled)
        return TPvxCaptionLook::Normal;
    switch (style) {
    case TPvxDisabledStyle::dsAuto:
    case TPvxDisabledStyle::dsStandard: return TPvxCaptionLook::GrayOnly;
    case TPvxDisabledStyle::ds3d: return TPvxCaptionLook::Embossed;
    case TPvxDisabledStyle::dsNone: break;
    }
    return TPvxCaptionLook::Normal;
}

std::string MeasuredText(const std::string& caption)
{
    if (caption.empty() || caption == "&")
        return " ";
    return caption;
}

Size MeasureCaption(const TFont& font, const std::string& text, UINT format, int wrapWidth)
{
    WindowDc screen(nullptr);
    SelectGuard selectFont(screen.Get(), font.Handle());
    RECT r{0, 0, wrapWidth, 0};
    std::wstring wide = FromSystemCodePage(text);  // DrawTextExW's buffer is not const
    DrawTextExW(screen.Get(), wide.data(), int(wide.size()), &r, format | DT_CALCRECT, nullptr);
    return {int(r.right - r.left), int(r.bottom - r.top)};
}

namespace {

void DrawPass(HDC dc, const std::string& text, const Rect& box, UINT format, TColor color)
{
    SetTextColor(dc, ColorToRGB(color));
    RECT r = ToRECT(box);
    std::wstring wide = FromSystemCodePage(text);
    DrawTextExW(dc, wide.data(), int(wide.size()), &r, format, nullptr);
}

}  // namespace

void DrawCaption(HDC dc, const std::string& text, const Rect& box, UINT format,
                 TPvxCaptionLook look, TColor fontColor, const TPvx3DCaption& fx)
{
    COLORREF savedColor = GetTextColor(dc);
    int savedMode = SetBkMode(dc, TRANSPARENT);
    switch (look) {
    case TPvxCaptionLook::Normal:
        DrawPass(dc, text, box, format, fontColor);
        break;
    case TPvxCaptionLook::GrayOnly:
        DrawPass(dc, text, box, format, clGrayText);
        break;
    case TPvxCaptionLook::Embossed: {
        int depth = fx.LightDepth();
        DrawPass(dc, text, box.Translated(depth, depth), format, fx.LightColor());
        Rect gray = box;
        gray.right -= depth;
        DrawPass(dc, text, gray, format, clGrayText);
        break;
    }
    }
    SetBkMode(dc, savedMode);
    SetTextColor(dc, savedColor);
}
