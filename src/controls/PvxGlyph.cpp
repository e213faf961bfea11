#include "controls/PvxGlyph.h"

#include <algorithm>
#include <cstring>

#include "controls/PvxGlyphCache.h"
#include "controls/PvxGlyphImages.h"
#include "toolkit/Colors.h"

namespace {

template <typename Pixel>
void CopyPixels(PixelView<const Pixel> from, PixelView<Pixel> to)
{
    for (int y = 0; y < from.Height(); ++y)
        std::memcpy(to.Row(y), from.Row(y), std::size_t(from.Width()) * sizeof(Pixel));
}

}  // namespace

TPvxGlyph::TPvxGlyph()
{
    slots_.fill(-1);
    TPvxXGlyphCache::AddHolder();
}

TPvxGlyph::~TPvxGlyph()
{
    ReleaseSlots();
    TPvxXGlyphCache::RemoveHolder();
}

void TPvxGlyph::Assign(ConstView32 picture)
{
    bitmap_.SetSize(picture.Width(), picture.Height(), TPixelFormat::pf32bit);
    if (!bitmap_.Empty())
        CopyPixels(picture, bitmap_.Pixels32());
    TakePicture(DropAlpha(picture));
}

void TPvxGlyph::Assign(ConstView24 picture)
{
    bitmap_.SetSize(picture.Width(), picture.Height(), TPixelFormat::pf24bit);
    if (!bitmap_.Empty())
        CopyPixels(picture, bitmap_.Pixels24());
    TakePicture(CopyImage(picture));
}

void TPvxGlyph::Clear()
{
    bitmap_.SetSize(0, 0);
    TakePicture({});
}

void TPvxGlyph::TakePicture(Image24 strip)
{
    ReleaseSlots();
    strip_ = std::move(strip);
    transparentColor_ = TransparentColorOf(strip_.View());
    numGlyphs_ = NumGlyphsForShape(strip_.Width(), strip_.Height(), numGlyphs_);
}

bool TPvxGlyph::SetNumGlyphs(int count)
{
    if (count <= 0)
        return false;
    count = std::min(count, MaxNumGlyphs);
    if (count == numGlyphs_)
        return false;
    ReleaseSlots();
    numGlyphs_ = count;
    return true;
}

void TPvxGlyph::SetGlyphStyle(bool value)
{
    if (value == glyphStyle_)
        return;
    ReleaseSlots();
    glyphStyle_ = value;
}

Size TPvxGlyph::ImageSize() const
{
    if (strip_.IsEmpty())
        return {};
    return {strip_.Width() / numGlyphs_, strip_.Height()};
}

void TPvxGlyph::ReleaseSlots()
{
    TPvxXGlyphCache* cache = TPvxXGlyphCache::Instance();
    for (int& slot : slots_) {
        if (slot >= 0 && cache)
            cache->Delete(slotSize_.width, slotSize_.height, slot);
        slot = -1;
    }
}

Image24 TPvxGlyph::MakeImage(int index) const
{
    if (index < numGlyphs_)
        return CutGlyphImage(strip_.View(), numGlyphs_, index);
    Image24 first = CutGlyphImage(strip_.View(), numGlyphs_, 0);
    if (index == 1)
        return MakeDisabledGlyph(first.View(), transparentColor_,
                                 ToRgb24(ColorToRGB(clBtnHighlight)),
                                 ToRgb24(ColorToRGB(clBtnShadow)));
    return first;
}

void TPvxGlyph::Draw(HDC dc, int x, int y, TPvxDrawState state)
{
    Size size = ImageSize();
    if (size.width <= 0 || size.height <= 0)
        return;
    int index = GlyphImageIndex(state, numGlyphs_, glyphStyle_);
    int& slot = slots_[std::size_t(index)];
    TPvxXGlyphList& list = TPvxXGlyphCache::Instance()->ListFor(size.width, size.height);
    if (slot < 0 || !list.Contains(slot)) {
        Image24 image = MakeImage(index);
        slot = list.Add(image.View(), transparentColor_);
        slotSize_ = size;
    }
    list.Draw(slot, dc, x, y);
}
