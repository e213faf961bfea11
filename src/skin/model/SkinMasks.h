#pragma once
// The mask table of a skin: border images, glyphs and textures, each either
// cut from the master bitmap or held in a bitmap of its own.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Geometry.h"
#include "gfx/PixelView.h"

class TsSkinModel;

enum class TacImgType : uint8_t { itisaBorder, itisaTexture, itisaGlyph };

// A decoded skin image, held once however many masks or patterns name its
// file. Painters only read it; the loader changes its colours in place.
class TsSharedImage {
public:
    TsSharedImage() = default;
    // Implicit, so that a mask made field by field takes an image of its own.
    TsSharedImage(Image24 image) : image_(std::make_shared<Image24>(std::move(image))) {}

    int Width() const { return image_ ? image_->Width() : 0; }
    int Height() const { return image_ ? image_->Height() : 0; }
    bool IsEmpty() const { return !image_ || image_->IsEmpty(); }
    ConstView24 View() const { return image_ ? image_->View() : ConstView24(); }
    // The pixels themselves, for the loader; every holder sees the change.
    View24 MutableView() const { return image_ ? image_->View() : View24(); }
    // Identifies the pixels: equal for every holder of one decoded image.
    const void* Identity() const { return image_.get(); }

private:
    std::shared_ptr<Image24> image_;
};

struct TsMaskData {
    TsSharedImage Image;  // its own bitmap; empty when cut from the master bitmap
    std::string SectionName;
    std::string PropertyName;
    int32_t Left = 0;  // the rectangle, in Image or in the master bitmap;
    int32_t Top = 0;   // Right and Bottom exclusive
    int32_t Right = 0;
    int32_t Bottom = 0;
    int16_t ImageCount = 1;  // state frames side by side, at least 1
    int16_t MaskType = 0;    // 0: one row of frames; 1: a transparency row below
    int16_t BorderWidth = 0;
    int16_t StretchMode = 0;
    TacImgType ImgType = TacImgType::itisaBorder;
    const TsSkinModel* Model = nullptr;  // the model that owns the mask
    int16_t WL = 0, WT = 0, WR = 0, WB = 0;  // border widths for nine-part drawing

    bool HasOwnImage() const { return !Image.IsEmpty(); }
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};
using TsMaskArray = std::vector<TsMaskData>;

// Border widths: WL (WT, WR, WB) when above 0, else BorderWidth when above
// 0, else the width divided by ImageCount x 3 (the height by (MaskType + 1) x 3).
int MaskWidthLeft(const TsMaskData& m);
int MaskWidthTop(const TsMaskData& m);
int MaskWidthRight(const TsMaskData& m);
int MaskWidthBottom(const TsMaskData& m);
// One state frame: a third of the width and half the height of an own
// bitmap; otherwise the rectangle divided by ImageCount and MaskType + 1.
Size GetMaskFrameSize(const TsMaskData& m);

// A skin's value in one of the image notations, parsed.
struct TsImageEntry {
    TsMaskData Mask;          // all but the bitmap and its size
    std::string FileName;     // the bitmap file, empty when cut from the master
    bool WholeFile = false;   // a plain "name.bmp" value
    bool DeriveWidths = false;  // border widths still to come from the bitmap
};

// Parses one key's value (after trimming). nullopt when the value is in no
// image notation (or names no bitmap file); EConvertError for a numeric field
// that is not a number. Counts below 1 become 1, MaskType, BorderWidth and
// border widths below 0 become 0, rectangles never run backwards.
std::optional<TsImageEntry> ParseImageEntry(std::string_view section, std::string_view key, std::string_view value);

// Makes a mask given field by field (a stored skin's image) sane as above and
// gives it border widths: BorderWidth all round when not 0, else derived.
void CompleteStoredMask(TsMaskData& m);

// Completes an entry whose bitmap has been read: takes the bitmap and its
// rectangle and derives the border widths the entry leaves open.
void AttachEntryBitmap(TsImageEntry& entry, TsSharedImage bitmap);
