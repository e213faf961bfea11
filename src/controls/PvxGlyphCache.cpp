#include "controls/PvxGlyphCache.h"

#include <cassert>
#include <cstring>

#include "controls/PvxGlyphImages.h"
#include "core/Exceptions.h"

namespace {

int holders = 0;
TPvxXGlyphCache* cache = nullptr;

// A top-down 24-bit DIB section holding the pixels of image.
UniqueBitmap MakeColourBitmap(ConstView24 image)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.Width();
    info.bmiHeader.biHeight = -image.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        throw EOutOfMemory();
    std::size_t stride = (std::size_t(image.Width()) * 3 + 3) & ~std::size_t(3);
    for (int y = 0; y < image.Height(); ++y)
        std::memcpy(static_cast<uint8_t*>(bits) + stride * std::size_t(y), image.Row(y),
                    std::size_t(image.Width()) * sizeof(Rgb24));
    return bitmap;
}

// Monochrome bitmaps take rows padded to 2 bytes.
UniqueBitmap MakeMaskBitmap(ConstView24 image, Rgb24 key)
{
    std::vector<uint8_t> bits = KeyMaskBits(image, key, 2);
    UniqueBitmap mask(CreateBitmap(image.Width(), image.Height(), 1, 1, bits.data()));
    if (!mask)
        throw EOutOfMemory();
    return mask;
}

}  // namespace

int TPvxXGlyphList::Add(ConstView24 image, Rgb24 key)
{
    assert(image.Width() == width_ && image.Height() == height_);
    Image24 colour = BlackenKeyPixels(image, key);
    auto entry = std::make_unique<Entry>();
    entry->colour = MakeColourBitmap(colour.View());
    entry->mask = MakeMaskBitmap(image, key);
    ++used_;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (!entries_[i]) {
            entries_[i] = std::move(entry);
            return int(i);
        }
    }
    entries_.push_back(std::move(entry));
    return int(entries_.size()) - 1;
}

bool TPvxXGlyphList::Contains(int index) const
{
    return index >= 0 && std::size_t(index) < entries_.size() && entries_[std::size_t(index)];
}

void TPvxXGlyphList::Delete(int index)
{
    if (!Contains(index))
        return;
    entries_[std::size_t(index)].reset();
    --used_;
}

void TPvxXGlyphList::Draw(int index, HDC dc, int x, int y) const
{
    if (!Contains(index))
        return;
    const Entry& entry = *entries_[std::size_t(index)];
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    COLORREF savedText = SetTextColor(dc, RGB(0, 0, 0));
    COLORREF savedBack = SetBkColor(dc, RGB(255, 255, 255));
    {
        // The mask's set bits come out white and keep what is there; the rest
        // come out black and clear it, so the image can be ORed in.
        SelectGuard mask(source.Get(), entry.mask.Get());
        BitBlt(dc, x, y, width_, height_, source.Get(), 0, 0, SRCAND);
    }
    {
        SelectGuard colour(source.Get(), entry.colour.Get());
        BitBlt(dc, x, y, width_, height_, source.Get(), 0, 0, SRCPAINT);
    }
    SetBkColor(dc, savedBack);
    SetTextColor(dc, savedText);
}

void TPvxXGlyphCache::AddHolder()
{
    if (holders++ == 0)
        cache = new TPvxXGlyphCache;
}

void TPvxXGlyphCache::RemoveHolder()
{
    assert(holders > 0);
    if (--holders == 0) {
        delete cache;
        cache = nullptr;
    }
}

TPvxXGlyphCache* TPvxXGlyphCache::Instance()
{
    return cache;
}

TPvxXGlyphList& TPvxXGlyphCache::ListFor(int width, int height)
{
    auto& list = lists_[{width, height}];
    if (!list)
        list = std::make_unique<TPvxXGlyphList>(width, height);
    return *list;
}

void TPvxXGlyphCache::Delete(int width, int height, int index)
{
    auto it = lists_.find({width, height});
    if (it == lists_.end())
        return;
    it->second->Delete(index);
    if (it->second->Count() == 0)
        lists_.erase(it);
}
