#include "controls/PvxGlyphImages.h"

int NumGlyphsForShape(int width, int height, int current)
{
    if (width <= 0 || height <= 0 || width % height != 0)
        return current;
    int ratio = width / height;
    return ratio < 6 ? ratio : 1;
}

int GlyphImageIndex(int drawState, int numGlyphs, bool glyphStyle)
{
    constexpr int disabled = 1;
    constexpr int hotAndPressed = 6;
    if (drawState == disabled)
        return disabled;
    if (drawState > numGlyphs - 1) {
        if (!glyphStyle)
            return 0;
        return drawState == hotAndPressed ? 4 : 2;
    }
    return drawState;
}

Image24 DropAlpha(ConstView32 source)
{
    Image24 image(source.Width(), source.Height());
    for (int y = 0; y < source.Height(); ++y) {
        const Bgra32* row = source.Row(y);
        for (int x = 0; x < source.Width(); ++x)
            image.At(x, y) = {row[x].b, row[x].g, row[x].r};
    }
    return image;
}

Image24 CopyImage(ConstView24 source)
{
    Image24 image(source.Width(), source.Height());
    for (int y = 0; y < source.Height(); ++y) {
        const Rgb24* row = source.Row(y);
        for (int x = 0; x < source.Width(); ++x)
            image.At(x, y) = row[x];
    }
    return image;
}

Rgb24 TransparentColorOf(ConstView24 strip)
{
    if (strip.IsEmpty())
        return {};
    return strip.At(0, strip.Height() - 1);
}

Image24 CutGlyphImage(ConstView24 strip, int numGlyphs, int index)
{
    if (strip.IsEmpty() || numGlyphs < 1 || index < 0 || index >= numGlyphs)
        return {};
    int width = strip.Width() / numGlyphs;
    return CopyImage(strip.Subview(Rect::FromSize(index * width, 0, width, strip.Height())));
}

Image24 MakeDisabledGlyph(ConstView24 image, Rgb24 key, Rgb24 highlight, Rgb24 shadow)
{
    int w = image.Width();
    int h = image.Height();
    Image24 result(w, h, key);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (image.At(x, y) != key && x + 1 < w && y + 1 < h)
                result.At(x + 1, y + 1) = highlight;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (image.At(x, y) != key)
                result.At(x, y) = shadow;
    return result;
}

std::vector<uint8_t> KeyMaskBits(ConstView24 image, Rgb24 key, int rowAlignment)
{
    int align = rowAlignment > 0 ? rowAlignment : 1;
    int stride = ((image.Width() + 7) / 8 + align - 1) / align * align;
    std::vector<uint8_t> bits(std::size_t(stride) * std::size_t(image.Height()), 0);
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* row = &bits[std::size_t(y) * std::size_t(stride)];
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == key)
                row[x / 8] |= uint8_t(0x80 >> (x % 8));
    }
    return bits;
}

Image24 BlackenKeyPixels(ConstView24 image, Rgb24 key)
{
    Image24 result = CopyImage(image);
    for (int y = 0; y < result.Height(); ++y)
        for (int x = 0; x < result.Width(); ++x)
            if (result.At(x, y) == key)
                result.At(x, y) = {};
    return result;
}
