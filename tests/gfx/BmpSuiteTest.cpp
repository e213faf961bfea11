// The decoder against the public BMP Suite images (tests/data/bmpsuite):
// good files show the picture of g/rgb24.bmp, the rest decode or are refused
// cleanly, never with a sanitizer report.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include "TestData.h"
#include "gfx/BmpDecoder.h"

namespace {

std::string SuitePath(const std::string& relative)
{
    return TestDataPath("bmpsuite/" + relative);
}

BmpDecodeResult DecodeSuiteFile(const std::string& relative)
{
    std::vector<uint8_t> file = ReadTestFile(SuitePath(relative));
    EXPECT_FALSE(file.empty()) << relative << " is missing";
    return DecodeBmp(file);
}

Image24 Reference()
{
    BmpDecodeResult result = DecodeSuiteFile("g/rgb24.bmp");
    EXPECT_TRUE(result.Ok()) << result.error;
    return std::move(result.image);
}

double Luma(Rgb24 p)
{
    return 0.299 * p.r + 0.587 * p.g + 0.114 * p.b;
}

// Mean difference of 8 x 8 block averages against the reference scaled to the
// image's size: per channel, or of the brightness only. Dithering of reduced
// palettes averages out; an image upside down or with red and blue swapped
// does not.
double BlockDifference(const Image24& image, const Image24& reference, bool brightnessOnly)
{
    constexpr int kBlock = 8;
    double sum = 0;
    int count = 0;
    for (int by = 0; by + kBlock <= image.Height(); by += kBlock) {
        for (int bx = 0; bx + kBlock <= image.Width(); bx += kBlock) {
            double ours[3] = {}, theirs[3] = {};
            for (int y = by; y < by + kBlock; ++y) {
                for (int x = bx; x < bx + kBlock; ++x) {
                    Rgb24 p = image.At(x, y);
                    Rgb24 q = reference.At(x * reference.Width() / image.Width(), y * reference.Height() / image.Height());
                    if (brightnessOnly) {
                        ours[0] += Luma(p);
                        theirs[0] += Luma(q);
                    } else {
                        ours[0] += p.r, ours[1] += p.g, ours[2] += p.b;
                        theirs[0] += q.r, theirs[1] += q.g, theirs[2] += q.b;
                    }
                }
            }
            for (int c = 0; c < (brightnessOnly ? 1 : 3); ++c, ++count)
                sum += std::fabs(ours[c] - theirs[c]) / (kBlock * kBlock);
        }
    }
    return sum / count;
}

int LargestChannelDifference(const Image24& a, const Image24& b)
{
    int largest = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            Rgb24 p = a.At(x, y), q = b.At(x, y);
            largest = std::max({largest, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
        }
    return largest;
}

std::set<uint32_t> Colours(const Image24& image)
{
    std::set<uint32_t> colours;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            colours.insert(ToColorRef(image.At(x, y)));
    return colours;
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(SuitePath(folder)))
        names.push_back(folder + "/" + entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(BmpSuite, GoodFilesShowTheReferencePicture)
{
    Image24 reference = Reference();
    ASSERT_EQ(reference.Width(), 127);
    ASSERT_EQ(reference.Height(), 64);
    // How close each good file must come: exact, within the precision of 16-bit
    // pixels, or by 8 x 8 block averages with what its palette allows.
    enum Kind { kExact, kSixteenBit, kPalette, kGrey };
    const std::map<std::string, std::pair<Kind, double>> expected = {
        {"rgb24.bmp", {kExact, 0}},       {"rgb24pal.bmp", {kExact, 0}},      {"rgb32.bmp", {kExact, 0}},
        {"rgb32bf.bmp", {kExact, 0}},     {"rgb32bfdef.bmp", {kExact, 0}},    {"rgb16.bmp", {kSixteenBit, 8}},
        {"rgb16bfdef.bmp", {kSixteenBit, 8}}, {"rgb16-565.bmp", {kSixteenBit, 8}}, {"rgb16-565pal.bmp", {kSixteenBit, 8}},
        {"pal8.bmp", {kPalette, 5}},      {"pal8-0.bmp", {kPalette, 5}},      {"pal8os2.bmp", {kPalette, 5}},
        {"pal8rle.bmp", {kPalette, 5}},   {"pal8topdown.bmp", {kPalette, 5}}, {"pal8v4.bmp", {kPalette, 5}},
        {"pal8v5.bmp", {kPalette, 5}},    {"pal8nonsquare.bmp", {kPalette, 5}}, {"pal8w124.bmp", {kPalette, 12}},
        {"pal8w125.bmp", {kPalette, 12}}, {"pal8w126.bmp", {kPalette, 12}},   {"pal8gs.bmp", {kGrey, 10}},
        {"pal4gs.bmp", {kGrey, 10}},      {"pal4.bmp", {kPalette, 40}},       {"pal4rle.bmp", {kPalette, 40}},
        {"pal1.bmp", {kGrey, 50}},        {"pal1wb.bmp", {kGrey, 50}},        {"pal1bg.bmp", {kGrey, 35}},
    };
    for (const std::string& name : FilesIn("g")) {
        SCOPED_TRACE(name);
        BmpDecodeResult result = DecodeSuiteFile(name);
        ASSERT_TRUE(result.Ok()) << result.error;
        auto it = expected.find(name.substr(2));
        ASSERT_NE(it, expected.end()) << "a good file this test does not know";
        auto [kind, tolerance] = it->second;
        switch (kind) {
        case kExact:
        case kSixteenBit:
            ASSERT_EQ(result.image.Width(), 127);
            ASSERT_EQ(result.image.Height(), 64);
            EXPECT_LE(LargestChannelDifference(result.image, reference), tolerance);
            break;
        case kPalette:
            EXPECT_LE(BlockDifference(result.image, reference, false), tolerance);
            break;
        case kGrey:
            EXPECT_LE(BlockDifference(result.image, reference, true), tolerance);
            break;
        }
    }
}

TEST(BmpSuite, EncodingsOfOnePaletteImageDecodeToTheSamePixels)
{
    Image24 pal8 = DecodeSuiteFile("g/pal8.bmp").image;
    for (const char* name : {"g/pal8-0.bmp", "g/pal8os2.bmp", "g/pal8rle.bmp", "g/pal8topdown.bmp", "g/pal8v4.bmp",
                             "g/pal8v5.bmp"}) {
        Image24 other = DecodeSuiteFile(name).image;
        ASSERT_EQ(other.Height(), pal8.Height()) << name;
        EXPECT_EQ(LargestChannelDifference(other, pal8), 0) << name;
    }
    EXPECT_EQ(LargestChannelDifference(DecodeSuiteFile("g/pal4rle.bmp").image, DecodeSuiteFile("g/pal4.bmp").image), 0);
    Image24 pal1 = DecodeSuiteFile("g/pal1.bmp").image;
    EXPECT_EQ(LargestChannelDifference(DecodeSuiteFile("g/pal1wb.bmp").image, pal1), 0)
        << "the palette order differs, the picture does not";
    EXPECT_EQ(Colours(pal1), (std::set<uint32_t>{0x000000, 0xFFFFFF}));
}

TEST(BmpSuite, TwoColourPictureWithOtherColoursKeepsItsPattern)
{
    Image24 pal1 = DecodeSuiteFile("g/pal1.bmp").image;
    Image24 coloured = DecodeSuiteFile("g/pal1bg.bmp").image;
    std::set<uint32_t> colours = Colours(coloured);
    ASSERT_EQ(colours.size(), 2u);
    ASSERT_EQ(coloured.Height(), pal1.Height());
    uint32_t darker = Luma(ToRgb24(*colours.begin())) < Luma(ToRgb24(*colours.rbegin())) ? *colours.begin()
                                                                                          : *colours.rbegin();
    for (int y = 0; y < pal1.Height(); ++y)
        for (int x = 0; x < pal1.Width(); ++x)
            ASSERT_EQ(pal1.At(x, y) == Rgb24{}, ToColorRef(coloured.At(x, y)) == darker) << x << "," << y;
}

TEST(BmpSuite, QuestionableBadAndForeignFilesDecodeOrAreRefusedCleanly)
{
    int decoded = 0, refused = 0;
    for (const char* folder : {"q", "b", "x"}) {
        for (const std::string& name : FilesIn(folder)) {
            BmpDecodeResult result = DecodeSuiteFile(name);
            if (result.Ok()) {
                EXPECT_FALSE(result.image.IsEmpty()) << name;
                ++decoded;
            } else {
                EXPECT_TRUE(result.image.IsEmpty()) << name;
                EXPECT_FALSE(result.error.empty()) << name;
                ++refused;
            }
        }
    }
    EXPECT_GT(decoded, 0);
    EXPECT_GT(refused, 0);
}

TEST(BmpSuite, HugeDeclaredSizesAndForeignFormatsAreRefused)
{
    EXPECT_NE(DecodeSuiteFile("b/reallybig.bmp").error.find("too large"), std::string::npos);
    EXPECT_NE(DecodeSuiteFile("b/shortfile.bmp").error.find("too short"), std::string::npos);
    EXPECT_NE(DecodeSuiteFile("x/ba-bm.bmp").error.find("BM"), std::string::npos);
    EXPECT_NE(DecodeSuiteFile("q/rgb24jpeg.bmp").error.find("JPEG"), std::string::npos);
    EXPECT_NE(DecodeSuiteFile("q/rgb24png.bmp").error.find("PNG"), std::string::npos);
}
