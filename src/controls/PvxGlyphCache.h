#pragma once
// The process-wide cache of glyph images. TPvxXGlyphCache keeps one masked
// image list (TPvxXGlyphList) per image size; glyph holders put the images
// they cut or generate there once and keep the indices. The cache lives while
// at least one holder does; a list goes when its last image is deleted.

#include <windows.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "gfx/PixelView.h"
#include "toolkit/Handles.h"

// Images of one size, each with a 1-bit mask of its transparent pixels.
class TPvxXGlyphList {
public:
    TPvxXGlyphList(int width, int height) : width_(width), height_(height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Adds an image of this list's size; key-coloured pixels become transparent.
    int Add(ConstView24 image, Rgb24 key);
    void Delete(int index);
    int Count() const { return used_; }
    bool Contains(int index) const;
    // Draws an image with its transparent pixels left as they are on dc.
    void Draw(int index, HDC dc, int x, int y) const;

private:
    struct Entry {
        UniqueBitmap colour;  // key pixels black, to be ORed in
        UniqueBitmap mask;    // set bits keep the background
    };
    int width_;
    int height_;
    std::vector<std::unique_ptr<Entry>> entries_;
    int used_ = 0;
};

class TPvxXGlyphCache {
public:
    // Holders register while they live; the first creates the cache, the last
    // frees it.
    static void AddHolder();
    static void RemoveHolder();
    // The cache, or nullptr while no holder exists.
    static TPvxXGlyphCache* Instance();

    // The list for images of this size, created on demand.
    TPvxXGlyphList& ListFor(int width, int height);
    // Deletes an image and, with it the list's last, the list.
    void Delete(int width, int height, int index);
    int ListCount() const { return int(lists_.size()); }

private:
    std::map<std::pair<int, int>, std::unique_ptr<TPvxXGlyphList>> lists_;
};
