#pragma once
// TPvxGlyph: a button's glyph holder. It keeps a copy of the glyph picture
// (a strip of NumGlyphs equal images), its transparent colour (the bottom-left
// pixel) and, for each image it has drawn, the index of that image in the
// process-wide glyph cache.

#include <windows.h>

#include <array>

#include "controls/PvxButtonFrame.h"
#include "gfx/PixelView.h"
#include "toolkit/Bitmap.h"

class TPvxGlyph {
public:
    TPvxGlyph();
    ~TPvxGlyph();
    TPvxGlyph(const TPvxGlyph&) = delete;
    TPvxGlyph& operator=(const TPvxGlyph&) = delete;

    // The picture as set, 32 or 24 bits per pixel; empty when there is none.
    const TBitmap& Bitmap() const { return bitmap_; }
    bool Empty() const { return strip_.IsEmpty(); }

    // Copies a picture, drops the cached images, takes the transparent colour
    // and, for a strip of whole squares, NumGlyphs from its shape.
    void Assign(ConstView32 picture);
    void Assign(ConstView24 picture);
    void Clear();

    int NumGlyphs() const { return numGlyphs_; }
    // Ignored for 0, negative or unchanged values; above 5 counts as 5.
    // True when the count changed.
    bool SetNumGlyphs(int count);

    Rgb24 TransparentColor() const { return transparentColor_; }
    // Set for the flat and explorer styles; beyond the strip, their hot and
    // pressed states take image 2 or 4 instead of image 0.
    bool GlyphStyle() const { return glyphStyle_; }
    void SetGlyphStyle(bool value);

    // The size of one image of the strip; {0, 0} when empty.
    Size ImageSize() const;
    // Draws the image of a draw state at (x, y), transparent where the
    // picture has its transparent colour.
    void Draw(HDC dc, int x, int y, TPvxDrawState state);
    // The cache index of an image, -1 while it has not been made.
    int Slot(int image) const { return slots_[std::size_t(image)]; }

private:
    void ReleaseSlots();
    void TakePicture(Image24 strip);
    Image24 MakeImage(int index) const;

    TBitmap bitmap_;
    Image24 strip_;
    int numGlyphs_ = 1;
    Rgb24 transparentColor_;
    bool glyphStyle_ = false;
    std::array<int, 9> slots_;
    Size slotSize_;
};
