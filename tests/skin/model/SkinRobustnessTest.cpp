// The whole load (package reader, Options.dat, model) over damaged packages:
// every failure is a typed error, never a crash or a read outside a buffer.

#include <gtest/gtest.h>

#include <climits>

#include "skin/model/SkinTestPackages.h"
#include "skin/model/SkinModel.h"

namespace {

enum class Outcome { kLoaded, kNotAPackage, kCorrupt, kConversion };

Outcome Load(const std::vector<uint8_t>& package)
{
    TsSkinModel model;
    try {
        model.LoadFromPackageData(package);
        EXPECT_TRUE(model.IsLoaded());
        return Outcome::kLoaded;
    } catch (const ENotSkinPackage&) {
        EXPECT_FALSE(model.IsLoaded());
        return Outcome::kNotAPackage;
    } catch (const ECorruptSkinPackage&) {
        EXPECT_FALSE(model.IsLoaded());
        return Outcome::kCorrupt;
    } catch (const EConvertError&) {
        EXPECT_FALSE(model.IsLoaded());
        return Outcome::kConversion;
    }
}

}  // namespace

TEST(SkinLoadRobustness, EveryLengthFieldOfTheInternalPackageAtExtremeValues)
{
    std::vector<uint8_t> package = InternalSkinPackage();
    std::vector<std::size_t> fields = LengthFieldOffsets(package);
    ASSERT_EQ(fields.size(), 7u);
    for (std::size_t field : fields) {
        for (int32_t value : {INT32_MIN, -1, 0, 1, 255, 1 << 20, INT32_MAX}) {
            std::vector<uint8_t> bad = package;
            PutInt32(bad, field, value);
            EXPECT_EQ(Load(bad), Outcome::kCorrupt) << "field at " << field << " = " << value;
        }
    }
}

TEST(SkinLoadRobustness, FlippedBytesInsideTheStreamsNeverEscapeTheTypedErrors)
{
    std::vector<uint8_t> package = InternalSkinPackage();
    for (std::size_t at = 8; at < package.size(); at += 97) {
        std::vector<uint8_t> bad = package;
        bad[at] ^= 0x5A;
        Outcome outcome = Load(bad);
        EXPECT_NE(outcome, Outcome::kNotAPackage) << at;
    }
}

TEST(SkinLoadRobustness, DamagedImagesAndTextInsideAValidPackage)
{
    std::vector<uint8_t> bmp = SolidBmp(8, 8, 0x808080);
    bmp[18] = 0xFF;  // a width of 255 with rows for 8
    EXPECT_EQ(Load(BuildPackage({{"Options.dat", Bytes("[GLOBALINFO]\r\nMASTERBITMAP=M.BMP\r\n")}, {"M.BMP", bmp}})),
              Outcome::kLoaded);
    std::vector<uint8_t> junk(4096);
    for (std::size_t i = 0; i < junk.size(); ++i)
        junk[i] = uint8_t(i * 131 + 7);
    EXPECT_EQ(Load(BuildPackage({{"Options.dat", junk}})), Outcome::kLoaded);
    EXPECT_EQ(Load(BuildPackage({{"Options.dat", Bytes("[A]\r\nK=^9999^9999^0000^0000^0000^0000^0000^0000^0^9^9^0\r\n")}})),
              Outcome::kLoaded);
    EXPECT_EQ(Load(BuildPackage({{"Options.dat", Bytes("[A]\r\nK=^^^^\r\n")}})), Outcome::kConversion);
}

TEST(SkinLoadRobustness, WrongAdlerChecksumOfEachMember)
{
    std::vector<uint8_t> package = InternalSkinPackage();
    std::vector<std::size_t> fields = LengthFieldOffsets(package);
    // Each stream ends where the next member's name length starts (the last at the end).
    std::vector<std::size_t> ends = {fields[3], fields[5], package.size()};
    for (std::size_t end : ends) {
        std::vector<uint8_t> bad = package;
        bad[end - 1] ^= 0x01;
        EXPECT_EQ(Load(bad), Outcome::kCorrupt) << end;
    }
}
