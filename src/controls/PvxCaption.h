#pragma once
// Captions of the glyph button and the bevel label: their effect settings
// (TPvxFxCaption), how a caption is measured on the screen and how it is
// drawn, enabled or in its disabled look.

#include <windows.h>

#include <functional>
#include <string>

#include "gfx/Geometry.h"
#include "toolkit/Colors.h"
#include "toolkit/GraphicsObjects.h"

enum class TPvxThreeDStyle { tdNone, tdRaised, tdLowered, tdShadow };
enum class TPvxDisabledStyle { dsAuto, dsStandard, ds3d, dsNone };
enum class TPvxTextOrientation { toTopLeft, toTopRight, toBottomLeft, toBottomRight };

// Caption effects. The program uses none (tdNone, angle 0); the disabled
// look uses DisabledStyle, LightDepth and LightColor. Every setter notifies.
class TPvx3DCaption {
public:
    TPvxThreeDStyle Style() const { return style_; }
    void SetStyle(TPvxThreeDStyle v) { Set(style_, v); }
    TPvxDisabledStyle DisabledStyle() const { return disabledStyle_; }
    void SetDisabledStyle(TPvxDisabledStyle v) { Set(disabledStyle_, v); }
    int LightDepth() const { return lightDepth_; }
    void SetLightDepth(int v) { Set(lightDepth_, v); }
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int v) { Set(shadowDepth_, v); }
    TColor LightColor() const { return lightColor_; }
    void SetLightColor(TColor v) { Set(lightColor_, v); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor v) { Set(shadowColor_, v); }
    TPvxTextOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPvxTextOrientation v) { Set(orientation_, v); }
    int Tracing() const { return tracing_; }
    void SetTracing(int v) { Set(tracing_, v); }
    int Angle() const { return angle_; }
    void SetAngle(int v) { Set(angle_, v); }
    int PosX() const { return posX_; }
    void SetPosX(int v) { Set(posX_, v); }
    int PosY() const { return posY_; }
    void SetPosY(int v) { Set(posY_, v); }

    std::function<void()> OnChange;

private:
    template <typename T>
    void Set(T& field, T value)
    {
        field = value;
        if (OnChange)
            OnChange();
    }

    TPvxThreeDStyle style_ = TPvxThreeDStyle::tdNone;
    TPvxDisabledStyle disabledStyle_ = TPvxDisabledStyle::dsAuto;
    int lightDepth_ = 1;
    int shadowDepth_ = 1;
    TColor lightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    TPvxTextOrientation orientation_ = TPvxTextOrientation::toTopLeft;
    int tracing_ = 0;
    int angle_ = 0;
    int posX_ = 0;
    int posY_ = 0;
};

class TPvxFxCaption : public TPvx3DCaption {};

// How a caption looks in one paint.
enum class TPvxCaptionLook {
    Normal,    // the font's colour
    GrayOnly,  // one pass in clGrayText
    Embossed,  // the light colour moved LightDepth right and down, then clGrayText
};

// The button's look for its state: enabled Normal; disabled by DisabledStyle
// (dsAuto and ds3d embossed, dsStandard grey, dsNone normal).
TPvxCaptionLook ButtonCaptionLook(bool enabled, TPvxDisabledStyle style);
// The label's: disabled dsAuto and dsStandard grey, ds3d embossed, dsNone normal.
TPvxCaptionLook LabelCaptionLook(bool enabled, TPvxDisabledStyle style);

// The text that is measured: an empty caption, or a lone "&", measures as one
// space so the box keeps the height of a line.
std::string MeasuredText(const std::string& caption);

// Measures text with the font on a screen device context (DrawTextEx in
// calculate mode, starting from a box `wrapWidth` wide).
Size MeasureCaption(const TFont& font, const std::string& text, UINT format, int wrapWidth);

// Draws text into box on dc with a hollow background, in the given look.
// The DC's font must already be selected; its text colour is restored.
void DrawCaption(HDC dc, const std::string& text, const Rect& box, UINT format,
                 TPvxCaptionLook look, TColor fontColor, const TPvx3DCaption& fx);
