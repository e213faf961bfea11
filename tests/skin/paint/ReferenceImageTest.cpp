// The internal skin's parts at the main window's sizes against the reference
// pictures in tests/skin/paint/reference, which a person looked at before they
// were committed. Rewrite them with the command in README.md after a change
// to the skin or to the painting that is meant.

#include <gtest/gtest.h>

#include "gfx/BmpDecoder.h"
#include "gfx/TestData.h"
#include "skin/paint/PaintTestImages.h"
#include "skin/paint/PaintTestSkin.h"
#include "skin/paint/SkinParts.h"

namespace {

std::string ReferencePath(const std::string& name)
{
    return HostPath(std::string(PVX_PAINTING_REFERENCE_DIR) + "/" + name + ".bmp");
}

}  // namespace

TEST(ReferenceImages, TheInternalSkinsPartsMatchTheirReferences)
{
    std::vector<NamedPicture> parts = MainWindowParts(OpusSkin());
    ASSERT_EQ(parts.size(), 19u);
    for (const NamedPicture& part : parts) {
        std::vector<uint8_t> file = ReadTestFile(ReferencePath(part.name));
        ASSERT_FALSE(file.empty()) << part.name << ": no reference picture";
        BmpDecodeResult reference = DecodeBmp(file);
        ASSERT_TRUE(reference.Ok()) << part.name << ": " << reference.error;
        ConstView24 expected = reference.image.View(), actual = part.picture.View();
        ASSERT_EQ(expected.Width(), actual.Width()) << part.name;
        ASSERT_EQ(expected.Height(), actual.Height()) << part.name;
        int differing = 0;
        Point first{-1, -1};
        for (int y = 0; y < actual.Height(); ++y)
            for (int x = 0; x < actual.Width(); ++x)
                if (expected.At(x, y) != actual.At(x, y) && differing++ == 0)
                    first = {x, y};
        EXPECT_EQ(differing, 0) << part.name << ": first difference at " << first.x << "," << first.y;
    }
}

TEST(ReferenceImages, TheReferenceEncodingRoundTrips)
{
    Image24 few = Picture({"RGUW", "KKK1", "9999"});
    BmpDecodeResult rle = DecodeBmp(EncodeReferenceBmp(few.View()));
    ASSERT_TRUE(rle.Ok()) << rle.error;
    EXPECT_EQ(Letters(rle.image.View()), Letters(few.View()));
    Image24 many(300, 2);
    for (int x = 0; x < 300; ++x)
        many.At(x, 0) = many.At(x, 1) = RGB(x % 256, x / 256, 7);
    BmpDecodeResult plain = DecodeBmp(EncodeReferenceBmp(many.View()));
    ASSERT_TRUE(plain.Ok()) << plain.error;
    EXPECT_EQ(plain.image.At(299, 1), RGB(43, 1, 7));
}
