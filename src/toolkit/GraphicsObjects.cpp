#include "toolkit/GraphicsObjects.h"

TFont::TFont() = default;

void TFont::Assign(const TFont& source)
{
    // The same face in another colour keeps its font handle.
    if (SameAs(source)) {
        SetColor(source.color_);
        return;
    }
    name_ = source.name_;
    height_ = source.height_;
    style_ = source.style_;
    color_ = source.color_;
    Changed();
}

void TFont::SetName(const std::string& name)
{
    if (name == name_)
        return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    Changed();
}

int TFont::Size() const
{
    return -MulDiv(height_, 72, ScreenPixelsPerInch);
}

void TFont::SetSize(int points)
{
    SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    if (OnChange)
        OnChange();
}

bool TFont::SameAs(const TFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_;
}

void TFont::Changed()
{
    if (handle_ && BeforeHandleChange)
        BeforeHandleChange();
    handle_.Reset();
    if (OnChange)
        OnChange();
}

HFONT TFont::Handle() const
{
    if (!handle_) {
        LOGFONTA lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_.Reset(CreateFontIndirectA(&lf));
    }
    return handle_.Get();
}

void TBrush::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    handle_.Reset();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    handle_.Reset();
}

HBRUSH TBrush::Handle() const
{
    if (style_ == TBrushStyle::bsClear)
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!handle_)
        handle_.Reset(CreateSolidBrush(ColorToRGB(color_)));
    return handle_.Get();
}

void TPen::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    handle_.Reset();
}

void TPen::SetWidth(int width)
{
    if (width == width_)
        return;
    width_ = width;
    handle_.Reset();
}

HPEN TPen::Handle() const
{
    if (!handle_)
        handle_.Reset(CreatePen(PS_SOLID, width_, ColorToRGB(color_)));
    return handle_.Get();
}
