#include "gfx/BmpDecoder.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitFields = 3;
constexpr uint32_t kBiJpeg = 4;
constexpr uint32_t kBiPng = 5;
constexpr uint32_t kBiAlphaBitFields = 6;

constexpr std::size_t kFileHeaderSize = 14;

uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

uint32_t Le32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

// One colour channel of a 16- or 32-bit pixel, widened or narrowed to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    uint8_t From(uint32_t pixel) const
    {
        if (bits == 0)
            return 0;
        uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return uint8_t(v >> (bits - 8));
        uint32_t max = (1u << bits) - 1;
        return uint8_t((v * 255 + max / 2) / max);
    }
};

struct Header {
    uint32_t headerSize = 0;
    uint32_t pixelOffset = 0;
    int64_t width = 0;
    int64_t height = 0;  // negative: rows stored top-down
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = kBiRgb;
    uint32_t colorsUsed = 0;
    std::array<uint32_t, 3> masks{};  // red, green, blue
    bool coreHeader = false;          // OS/2 1.x: 16-bit sizes, 3-byte palette entries
    bool os2Header = false;           // OS/2 2.x: other meaning of compressions 3 and 4
    std::size_t paletteStart = 0;
};

class BmpReader {
public:
    BmpReader(std::span<const uint8_t> file, const BmpLimits& limits) : file_(file), limits_(limits) {}

    BmpDecodeResult Decode()
    {
        BmpDecodeResult result;
        result.error = ReadHeader();
        if (result.error.empty())
            result.error = CheckFormat();
        if (result.error.empty())
            result.error = ReadMasksAndPalette();
        if (result.error.empty())
            result.error = ReadPixels(result.image);
        if (!result.error.empty())
            result.image = Image24();
        return result;
    }

private:
    bool Has(std::size_t offset, std::size_t count) const
    {
        return offset <= file_.size() && count <= file_.size() - offset;
    }

    std::string ReadHeader()
    {
        if (!Has(0, kFileHeaderSize + 4))
            return "The file is too short for a bitmap header";
        if (file_[0] != 'B' || file_[1] != 'M')
            return "The file is not a Windows bitmap (no \"BM\" signature)";
        const uint8_t* p = file_.data();
        h_.pixelOffset = Le32(p + 10);
        h_.headerSize = Le32(p + 14);
        if (h_.headerSize == 12)
            return ReadCoreHeader();
        bool windows = h_.headerSize == 40 || h_.headerSize == 52 || h_.headerSize == 56 ||
                       h_.headerSize == 108 || h_.headerSize == 124;
        bool os2 = !windows && h_.headerSize >= 16 && h_.headerSize <= 64;
        if (!windows && !os2)
            return "Unsupported bitmap header size " + std::to_string(h_.headerSize);
        if (!Has(kFileHeaderSize, h_.headerSize))
            return "The file is too short for its bitmap header";
        h_.os2Header = os2;
        const uint8_t* info = p + kFileHeaderSize;
        auto field = [&](uint32_t offset) { return offset + 4 <= h_.headerSize ? Le32(info + offset) : 0u; };
        h_.width = int32_t(Le32(info + 4));
        h_.height = int32_t(Le32(info + 8));
        h_.planes = Le16(info + 12);
        h_.bitCount = Le16(info + 14);
        h_.compression = field(16);
        h_.colorsUsed = field(32);
        if (h_.headerSize >= 52 && windows)
            h_.masks = {Le32(info + 40), Le32(info + 44), Le32(info + 48)};
        h_.paletteStart = kFileHeaderSize + h_.headerSize;
        return {};
    }

    std::string ReadCoreHeader()
    {
        if (!Has(kFileHeaderSize, 12))
            return "The file is too short for its bitmap header";
        const uint8_t* info = file_.data() + kFileHeaderSize;
        h_.coreHeader = true;
        h_.width = Le16(info + 4);
        h_.height = Le16(info + 6);
        h_.planes = Le16(info + 8);
        h_.bitCount = Le16(info + 10);
        h_.paletteStart = kFileHeaderSize + 12;
        return {};
    }

    std::string CheckFormat() const
    {
        if (h_.planes != 1)
            return "The bitmap has " + std::to_string(h_.planes) + " planes instead of 1";
        if (h_.width <= 0 || h_.height == 0)
            return "The bitmap has no pixels (width " + std::to_string(h_.width) + ", height " +
                   std::to_string(h_.height) + ")";
        int64_t height = h_.height < 0 ? -h_.height : h_.height;
        if (h_.width > limits_.maxSide || height > limits_.maxSide || h_.width * height > limits_.maxPixels)
            return "The bitmap is too large (" + std::to_string(h_.width) + " x " + std::to_string(height) + ")";
        if (h_.os2Header && (h_.compression == 3 || h_.compression == 4))
            return "OS/2 Huffman and RLE24 bitmaps are not supported";
        switch (h_.compression) {
        case kBiRgb:
            break;
        case kBiRle8:
        case kBiRle4:
            if (h_.bitCount != (h_.compression == kBiRle8 ? 8 : 4))
                return "Run-length bitmap with " + std::to_string(h_.bitCount) + " bits per pixel";
            if (h_.height < 0)
                return "Run-length bitmaps cannot be stored top-down";
            return {};
        case kBiBitFields:
        case kBiAlphaBitFields:
            if (h_.bitCount != 16 && h_.bitCount != 32)
                return "Bit-field bitmap with " + std::to_string(h_.bitCount) + " bits per pixel";
            return {};
        case kBiJpeg:
            return "JPEG-compressed bitmaps are not supported";
        case kBiPng:
            return "PNG-compressed bitmaps are not supported";
        default:
            return "Unknown bitmap compression " + std::to_string(h_.compression);
        }
        switch (h_.bitCount) {
        case 1: case 2: case 4: case 8: case 16: case 24: case 32:
            return {};
        default:
            return "Unsupported bitmap depth of " + std::to_string(h_.bitCount) + " bits per pixel";
        }
    }

    std::string ReadMasksAndPalette()
    {
        std::size_t paletteStart = h_.paletteStart;
        bool bitFields = h_.compression == kBiBitFields || h_.compression == kBiAlphaBitFields;
        if (bitFields && h_.headerSize == 40) {
            // A plain info header keeps its masks right after it.
            std::size_t count = h_.compression == kBiAlphaBitFields ? 16 : 12;
            if (!Has(paletteStart, count))
                return "The file is too short for its colour masks";
            const uint8_t* m = file_.data() + paletteStart;
            h_.masks = {Le32(m), Le32(m + 4), Le32(m + 8)};
            paletteStart += count;
        }
        if (bitFields) {
            for (std::size_t i = 0; i < 3; ++i)
                if (std::string error = MakeChannel(h_.masks[i], channels_[i]); !error.empty())
                    return error;
        } else if (h_.bitCount == 16) {
            MakeChannel(0x7C00, channels_[0]);
            MakeChannel(0x03E0, channels_[1]);
            MakeChannel(0x001F, channels_[2]);
        } else if (h_.bitCount == 32) {
            MakeChannel(0x00FF0000, channels_[0]);
            MakeChannel(0x0000FF00, channels_[1]);
            MakeChannel(0x000000FF, channels_[2]);
        }
        if (h_.pixelOffset < paletteStart && h_.pixelOffset < file_.size())
            return "The pixel data start inside the bitmap header";
        if (h_.bitCount <= 8)
            ReadPalette(paletteStart);
        return {};
    }

    static std::string MakeChannel(uint32_t mask, Channel& channel)
    {
        channel = {};
        if (mask == 0)
            return {};
        int shift = std::countr_zero(mask);
        uint32_t bits = mask >> shift;
        if ((bits & (bits + 1)) != 0)
            return "The bitmap's colour masks are not contiguous";
        channel = {mask, shift, std::popcount(bits)};
        return {};
    }

    void ReadPalette(std::size_t start)
    {
        std::size_t entrySize = h_.coreHeader ? 3 : 4;
        std::size_t declared = h_.colorsUsed != 0 ? h_.colorsUsed : (std::size_t(1) << h_.bitCount);
        std::size_t end = std::min<std::size_t>(file_.size(), h_.pixelOffset > start ? h_.pixelOffset : file_.size());
        std::size_t available = end > start ? (end - start) / entrySize : 0;
        paletteCount_ = std::min({declared, available, std::size_t(256)});
        for (std::size_t i = 0; i < paletteCount_; ++i) {
            const uint8_t* e = file_.data() + start + i * entrySize;
            palette_[i] = {e[0], e[1], e[2]};
        }
    }

    // Palette entry, black for an index the palette does not hold.
    Rgb24 Color(unsigned index) const { return index < paletteCount_ ? palette_[index] : Rgb24{}; }

    std::string ReadPixels(Image24& image)
    {
        int width = int(h_.width);
        int height = int(h_.height < 0 ? -h_.height : h_.height);
        if (h_.pixelOffset >= file_.size())
            return "The bitmap's pixel data start beyond the end of the file";
        if (h_.compression == kBiRle8 || h_.compression == kBiRle4) {
            image = Image24(width, height, Color(0));
            ReadRunLength(image);
            return {};
        }
        int64_t stride = ((h_.width * h_.bitCount + 31) / 32) * 4;
        int64_t lastRow = (h_.width * h_.bitCount + 7) / 8;
        int64_t needed = stride * (height - 1) + lastRow;
        if (int64_t(file_.size() - h_.pixelOffset) < needed)
            return "The file is too short for its pixel rows";
        image = Image24(width, height);
        for (int y = 0; y < height; ++y) {
            const uint8_t* src = file_.data() + h_.pixelOffset + stride * y;
            Rgb24* dst = image.View().Row(h_.height < 0 ? y : height - 1 - y);
            ReadRow(src, dst, width);
        }
        return {};
    }

    void ReadRow(const uint8_t* src, Rgb24* dst, int width) const
    {
        switch (h_.bitCount) {
        case 1: case 2: case 4: case 8: {
            int bits = h_.bitCount;
            unsigned mask = (1u << bits) - 1;
            for (int x = 0; x < width; ++x) {
                int bit = x * bits;
                unsigned index = (src[bit / 8] >> (8 - bits - bit % 8)) & mask;
                dst[x] = Color(index);
            }
            break;
        }
        case 16:
            for (int x = 0; x < width; ++x)
                dst[x] = FromMasks(Le16(src + 2 * x));
            break;
        case 24:
            for (int x = 0; x < width; ++x)
                dst[x] = {src[3 * x], src[3 * x + 1], src[3 * x + 2]};
            break;
        case 32:
            for (int x = 0; x < width; ++x)
                dst[x] = FromMasks(Le32(src + 4 * x));
            break;
        }
    }

    Rgb24 FromMasks(uint32_t pixel) const
    {
        return {channels_[2].From(pixel), channels_[1].From(pixel), channels_[0].From(pixel)};
    }

    // RLE8 and RLE4: runs and literal strings of palette indexes, bottom row
    // first. Pixels the data never set keep palette entry 0; data that end
    // without an end-of-bitmap code leave the rest unset as well.
    void ReadRunLength(Image24& image) const
    {
        bool rle4 = h_.compression == kBiRle4;
        int width = image.Width();
        int height = image.Height();
        auto put = [&](int64_t x, int64_t y, unsigned index) {
            if (x < width && y < height)
                image.At(int(x), int(height - 1 - y)) = Color(index);
        };
        const uint8_t* p = file_.data() + h_.pixelOffset;
        const uint8_t* end = file_.data() + file_.size();
        int64_t x = 0;
        int64_t y = 0;
        while (end - p >= 2 && y < height) {
            unsigned count = p[0];
            unsigned value = p[1];
            p += 2;
            if (count > 0) {
                for (unsigned i = 0; i < count; ++i)
                    put(x + i, y, rle4 ? (i % 2 == 0 ? value >> 4 : value & 15) : value);
                x = std::min<int64_t>(x + count, width);
            } else if (value == 0) {
                x = 0;
                ++y;
            } else if (value == 1) {
                return;
            } else if (value == 2) {
                if (end - p < 2)
                    return;
                x = std::min<int64_t>(x + p[0], width);
                y += p[1];
                p += 2;
            } else {
                std::size_t bytes = rle4 ? (value + 1) / 2 : value;
                if (std::size_t(end - p) < bytes)
                    return;
                for (unsigned i = 0; i < value; ++i) {
                    unsigned index = rle4 ? (i % 2 == 0 ? p[i / 2] >> 4 : p[i / 2] & 15) : p[i];
                    put(x + i, y, index);
                }
                x = std::min<int64_t>(x + value, width);
                p += std::min<std::size_t>((bytes + 1) & ~std::size_t(1), std::size_t(end - p));
            }
        }
    }

    std::span<const uint8_t> file_;
    BmpLimits limits_;
    Header h_;
    std::array<Channel, 3> channels_{};
    std::array<Rgb24, 256> palette_{};
    std::size_t paletteCount_ = 0;
};

}  // namespace

BmpDecodeResult DecodeBmp(std::span<const uint8_t> file, const BmpLimits& limits)
{
    return BmpReader(file, limits).Decode();
}
