#pragma once
// Large JPEG textures of a skin, and the decoder the platform lends for them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gfx/PixelView.h"
#include "skin/model/SkinMasks.h"

struct TsPatternData {
    TsSharedImage Image;  // the decoded picture
    std::string SectionName;
    std::string PropertyName;
};
using TsPatternArray = std::vector<TsPatternData>;

// Pictures of at least this many pixels stay patterns; smaller ones become
// texture masks.
constexpr int64_t kMinPatternPixels = 90000;

// Decodes a JPEG file to 24-bit pixels. The Windows program lends one over
// the platform's imaging component; without one, JPEG textures are skipped.
class TacJpegDecoder {
public:
    virtual ~TacJpegDecoder() = default;
    // nullopt when the data are not a JPEG picture it can read.
    virtual std::optional<Image24> Decode(std::span<const uint8_t> jpeg) const = 0;
};
