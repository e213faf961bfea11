#pragma once
// TPvxBevel: the frame a bevel label draws around its text. The settings
// live here; the extent and the bands come from the portable bevel metrics.

#include <windows.h>

#include <functional>

#include "controls/PvxBevelMetrics.h"
#include "toolkit/Colors.h"

class TPvxBevel {
public:
    TPvxBevelMode Mode() const { return shape_.mode; }
    void SetMode(TPvxBevelMode v) { Set(shape_.mode, v); }
    // Shadow is a pair: setting one side to bvShadow sets the other too, and
    // leaving it on one side clears the other.
    TPvxBevelStyle StyleOuter() const { return shape_.styleOuter; }
    void SetStyleOuter(TPvxBevelStyle v) { SetStyles(v, shape_.styleInner, shape_.styleOuter); }
    TPvxBevelStyle StyleInner() const { return shape_.styleInner; }
    void SetStyleInner(TPvxBevelStyle v) { SetStyles(v, shape_.styleOuter, shape_.styleInner); }
    int WidthOuter() const { return shape_.widthOuter; }
    void SetWidthOuter(int v) { Set(shape_.widthOuter, v); }
    int WidthInner() const { return shape_.widthInner; }
    void SetWidthInner(int v) { Set(shape_.widthInner, v); }
    int BorderWidth() const { return shape_.borderWidth; }
    void SetBorderWidth(int v) { Set(shape_.borderWidth, v); }
    int BorderInnerWidth() const { return shape_.borderInnerWidth; }
    void SetBorderInnerWidth(int v) { Set(shape_.borderInnerWidth, v); }
    TPvxBorderSides BorderSides() const { return shape_.borderSides; }
    void SetBorderSides(TPvxBorderSides v) { Set(shape_.borderSides, v); }
    TPvxStandardBevel StandardStyle() const { return shape_.standardStyle; }
    void SetStandardStyle(TPvxStandardBevel v) { Set(shape_.standardStyle, v); }
    TPvxEdgeStyle EdgeStyle() const { return edgeStyle_; }
    void SetEdgeStyle(TPvxEdgeStyle v) { Set(edgeStyle_, v); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor v) { Set(borderColor_, v); }
    TColor LightColor() const { return lightColor_; }
    void SetLightColor(TColor v) { Set(lightColor_, v); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor v) { Set(shadowColor_, v); }

    // Pixels the bevel takes from each side.
    int Extent() const { return BevelExtent(shape_); }
    // Draws the bevel along bounds. Border rings in the label's own colour, or
    // of a transparent label, are left unpainted.
    void Draw(HDC dc, const Rect& bounds, TColor labelColor, bool transparent) const;

    std::function<void()> OnChange;

private:
    template <typename T>
    void Set(T& field, T value)
    {
        field = value;
        if (OnChange)
            OnChange();
    }
    void SetStyles(TPvxBevelStyle value, TPvxBevelStyle& other, TPvxBevelStyle& field);
    void DrawCustom(HDC dc, const Rect& bounds, bool paintBorders) const;
    void DrawStyleBand(HDC dc, const TPvxBevelBand& band) const;
    void DrawBorderRings(HDC dc, Rect outer, int width) const;

    TPvxBevelShape shape_;
    TPvxEdgeStyle edgeStyle_ = TPvxEdgeStyle::etEtched;
    TColor borderColor_ = clBtnFace;
    TColor lightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
};
