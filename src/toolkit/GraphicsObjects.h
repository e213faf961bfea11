#pragma once
// TFont, TBrush and TPen: descriptions of GDI objects whose handle is created
// on first use and recreated after a change. Each owns its handle.

#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/Colors.h"
#include "toolkit/Handles.h"

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// Pixels per inch the program lays out for; sizes in points convert with it.
constexpr int ScreenPixelsPerInch = 96;

class TFont {
public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    void Assign(const TFont& source);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Character height in pixels as a negative number, the way fonts are stored.
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    HFONT Handle() const;
    bool SameAs(const TFont& other) const;

    std::function<void()> OnChange;
    // Told before the font's handle is freed for a new one, so that a DC
    // holding it can let go first (a selected font is not freed).
    std::function<void()> BeforeHandleChange;

private:
    void Changed();

    std::string name_ = "Tahoma";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    mutable UniqueFont handle_;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    HBRUSH Handle() const;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    mutable UniqueBrush handle_;
};

class TPen {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    HPEN Handle() const;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    mutable UniquePen handle_;
};
