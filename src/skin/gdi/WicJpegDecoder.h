#pragma once
// The Windows program's JPEG decoder for skin textures, over the platform's
// imaging component (WIC). COM must be initialised on the calling thread
// (the program initialises OLE at start); without it nothing is decoded.

#include "skin/model/SkinPatterns.h"

class TacWicJpegDecoder final : public TacJpegDecoder {
public:
    std::optional<Image24> Decode(std::span<const uint8_t> jpeg) const override;
};
