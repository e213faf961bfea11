#pragma once
// TCanvas: drawing on a borrowed device context with the canvas's font, brush
// and pen. The objects it selects into the DC are put back when the canvas
// lets go of the DC (SetHandle with another DC, or destruction).

#include <windows.h>

#include <string>

#include "gfx/Geometry.h"
#include "toolkit/GraphicsObjects.h"

inline RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

class TBitmap;

class TCanvas {
public:
    TCanvas();
    explicit TCanvas(HDC dc) : TCanvas() { SetHandle(dc); }
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas() { SetHandle(nullptr); }

    HDC Handle() const { return dc_; }
    void SetHandle(HDC dc);

    TFont& Font() { return font_; }
    TBrush& Brush() { return brush_; }
    TPen& Pen() { return pen_; }

    void FillRect(const Rect& r);
    void FrameRect(const Rect& r);
    void Rectangle(const Rect& r);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const Rect& clip, int x, int y, const std::string& text);
    // Texts are in the system code page and drawn through the wide calls: the
    // single-byte ones read them in the font's code page instead.
    // DrawText with the canvas's font; returns the height of the drawn text.
    int DrawText(const std::string& text, Rect& r, UINT format);
    Size TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).width; }
    int TextHeight(const std::string& text) { return TextExtent(text).height; }
    void DrawFocusRect(const Rect& r);
    void Draw(int x, int y, const TBitmap& bitmap);
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
    void SetPixel(int x, int y, TColor color) { ::SetPixel(dc_, x, y, ColorToRGB(color)); }

private:
    void ApplyFont();
    void ApplyBrush();
    void ApplyPen();
    void RestoreObjects();

    HDC dc_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    TFont font_;
    TBrush brush_;
    TPen pen_;
};
