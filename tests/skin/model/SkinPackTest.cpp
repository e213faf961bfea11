#include <gtest/gtest.h>

#include <climits>

#include "skin/model/SkinTestPackages.h"
#include "skin/model/acSkinPack.h"

namespace {

const std::vector<uint8_t> kOptions = Bytes("[GLOBALINFO]\r\nVERSION=1\r\n");

void Read(TacSkinConvertor& reader, const std::vector<uint8_t>& package)
{
    TacSpanStream stream(package);
    reader.ReadPackage(stream);
}

// The message of the corrupt-package error a package raises, or "" when it reads.
std::string CorruptMessage(const std::vector<uint8_t>& package)
{
    TacSkinConvertor reader;
    try {
        Read(reader, package);
    } catch (const ECorruptSkinPackage& e) {
        EXPECT_EQ(reader.MemberCount(), 0);
        EXPECT_EQ(reader.OptionsData(), nullptr);
        return e.Message();
    }
    return {};
}

}  // namespace

TEST(SkinPackReader, InternalSkinHasItsOptionsAndTwoBitmaps)
{
    std::vector<uint8_t> package = InternalSkinPackage();
    TacSkinConvertor reader;
    Read(reader, package);
    ASSERT_NE(reader.OptionsData(), nullptr);
    EXPECT_EQ(reader.MemberCount(), 2);
    ASSERT_EQ(reader.Members().size(), 2u);
    EXPECT_EQ(reader.Members()[0].FileName, "ButtonHuge.bmp");
    EXPECT_EQ(reader.Members()[1].FileName, "Master.bmp");
    EXPECT_TRUE(reader.Members()[0].IsBitmap);
    EXPECT_EQ(reader.Members()[0].Data.Size(), 56374u);
    const std::vector<uint8_t>& text = reader.OptionsData()->Bytes();
    EXPECT_EQ(std::string(text.begin(), text.begin() + 2), "; ");
    // The internal skin's streams are zlib's default level and end with the data.
    EXPECT_EQ(package[8 + 4 + 11 + 4], 0x78);
    EXPECT_EQ(package[8 + 4 + 11 + 4 + 1], 0x9C);
}

TEST(SkinPackReader, EachMemberStartsRightAfterThePreviousStream)
{
    // The inflater reads ahead in 64 KiB blocks; what it did not use must be
    // handed back, or the second member's header would be lost.
    std::vector<uint8_t> big(200000);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = uint8_t(i * 7 + i / 251);
    std::vector<uint8_t> package =
        BuildPackage({{"Options.dat", kOptions}, {"a.bmp", Bytes("xyz")}, {"b.bmp", big}, {"c.bmp", Bytes("c")}});
    TacSpanStream stream(package);
    stream.SetPosition(7);  // the reader starts from the beginning wherever the stream stands
    TacSkinConvertor reader;
    reader.ReadPackage(stream);
    EXPECT_EQ(stream.Position(), package.size());
    EXPECT_EQ(reader.Source(), &stream);
    ASSERT_EQ(reader.MemberCount(), 3);
    EXPECT_EQ(reader.Members()[0].Data.Bytes(), Bytes("xyz"));
    EXPECT_EQ(reader.Members()[1].Data.Bytes(), big);
    EXPECT_EQ(reader.Members()[2].Data.Bytes(), Bytes("c"));
}

TEST(SkinPackCorrupt, BytesAfterTheLastMemberMeanADamagedCount)
{
    std::vector<uint8_t> package = BuildPackage({{"Options.dat", kOptions}, {"a.bmp", Bytes("xyz")}});
    PutInt32(package, 4, 1);
    EXPECT_NE(CorruptMessage(package).find("bytes after the last member"), std::string::npos);
}

TEST(SkinPackReader, ExtensionDecidesWhatIsABitmap)
{
    std::vector<uint8_t> package = BuildPackage({{"Options.dat", kOptions},
                                                 {"Master.BMP", Bytes("1")},
                                                 {"tex.jpg", Bytes("2")},
                                                 {"dir.bmp\\file", Bytes("3")},
                                                 {"empty.bmp", {}}});
    TacSkinConvertor reader;
    Read(reader, package);
    ASSERT_EQ(reader.MemberCount(), 4);
    EXPECT_TRUE(reader.Members()[0].IsBitmap);
    EXPECT_FALSE(reader.Members()[1].IsBitmap);
    EXPECT_FALSE(reader.Members()[2].IsBitmap);
    EXPECT_TRUE(reader.Members()[3].IsBitmap);
    EXPECT_EQ(reader.Members()[3].Data.Size(), 0u) << "an empty member is allowed";
}

TEST(SkinPackReader, OptionsMemberIsFoundInAnyLetterCase)
{
    for (const char* name : {"Options.dat", "OPTIONS.DAT", "options.Dat"}) {
        TacSkinConvertor reader;
        Read(reader, BuildPackage({{"x.bmp", Bytes("x")}, {name, kOptions}}));
        ASSERT_NE(reader.OptionsData(), nullptr) << name;
        EXPECT_EQ(reader.OptionsData()->Bytes(), kOptions);
        EXPECT_EQ(reader.MemberCount(), 1);
    }
}

TEST(SkinPackReader, OwnedSourceIsKeptAndFreedWithTheReader)
{
    TacSkinConvertor reader;
    reader.ReadPackage(std::make_unique<TacMemoryStream>(BuildPackage({{"Options.dat", kOptions}})));
    EXPECT_NE(reader.Source(), nullptr);
    reader.Clear();
    EXPECT_EQ(reader.Source(), nullptr);
    EXPECT_EQ(reader.OptionsData(), nullptr);
}

TEST(SkinPackMagic, AnyOtherMagicIsNotAPackageEvenInAnotherLetterCase)
{
    for (const char* magic : {"qlpk", "QLPK", "QLpK", "PK\x03\x04"}) {
        std::vector<uint8_t> package = BuildPackage({{"Options.dat", kOptions}});
        std::copy(magic, magic + 4, package.begin());
        TacSkinConvertor reader;
        try {
            Read(reader, package);
            FAIL() << magic;
        } catch (const ENotSkinPackage& e) {
            EXPECT_EQ(e.Message(), "Loaded data is not packed Quellar file");
            EXPECT_STREQ(ENotSkinPackage::kCaption, "Warning");
        }
        EXPECT_EQ(reader.OptionsData(), nullptr);
    }
    TacSkinConvertor reader;
    EXPECT_THROW(Read(reader, {}), ENotSkinPackage);
}

TEST(SkinPackCorrupt, OptionsMemberMustBeThereExactlyOnce)
{
    EXPECT_NE(CorruptMessage(BuildPackage({{"a.bmp", Bytes("a")}})).find("no Options.dat"), std::string::npos);
    EXPECT_NE(CorruptMessage(BuildPackage({{"Options.dat", kOptions}, {"OPTIONS.DAT", kOptions}}))
                  .find("more than one"),
              std::string::npos);
}

TEST(SkinPackCorrupt, StreamThatInflatesToMoreOrFewerBytesThanItsSize)
{
    std::vector<uint8_t> package = BuildPackage({{"Options.dat", kOptions}, {"a.bmp", Bytes("abcdef")}});
    std::size_t sizeField = LengthFieldOffsets(package)[4];
    PutInt32(package, sizeField, 5);
    EXPECT_NE(CorruptMessage(package).find("inflates to more than its 5 bytes"), std::string::npos);
    PutInt32(package, sizeField, 7);
    EXPECT_EQ(CorruptMessage(package), "Stream read error");
}

TEST(SkinPackCorrupt, WrongAdlerChecksumIsCorrupt)
{
    std::vector<uint8_t> package = BuildPackage({{"Options.dat", kOptions}});
    package.back() ^= 0x01;
    EXPECT_NE(CorruptMessage(package).find("not a valid zlib stream"), std::string::npos);
}

TEST(SkinPackCorrupt, CountAndLengthsBeyondTheCapsOrTheDataAreCorrupt)
{
    std::vector<uint8_t> package = BuildPackage({{"Options.dat", kOptions}, {"Master.bmp", SolidBmp(4, 4, 0xFF00FF)}});
    std::vector<std::size_t> fields = LengthFieldOffsets(package);
    ASSERT_EQ(fields.size(), 5u);
    for (std::size_t field : fields) {
        for (int32_t value : {INT32_MIN, -1, 0, 1025, 70000, 64 << 20, (64 << 20) + 1, INT32_MAX}) {
            std::vector<uint8_t> bad = package;
            PutInt32(bad, field, value);
            TacSkinConvertor reader;
            bool read = false;
            try {
                Read(reader, bad);
                read = true;
            } catch (const ECorruptSkinPackage& e) {
                EXPECT_FALSE(e.Message().empty());
            }
            // Only an empty member can take a size of 0 and still read.
            EXPECT_FALSE(read) << "field at " << field << " = " << value;
        }
    }
    std::vector<uint8_t> tooMany = package;
    PutInt32(tooMany, 4, 1025);
    EXPECT_NE(CorruptMessage(tooMany).find("outside 1..1024"), std::string::npos);
    PutInt32(tooMany, 4, 1000);
    EXPECT_NE(CorruptMessage(tooMany).find("cannot fit"), std::string::npos);
}

TEST(SkinPackCorrupt, MemberSizesAddUpAgainstTheTotalCap)
{
    std::vector<uint8_t> ten(10, 'x');
    std::vector<uint8_t> package = BuildPackage(
        {{"Options.dat", kOptions}, {"1.bmp", ten}, {"2.bmp", ten}, {"3.bmp", ten}, {"4.bmp", ten}});
    TacPackageLimits limits{.maxMemberCount = 5, .maxNameLength = 11, .maxMemberSize = 30, .maxTotalSize = 55};
    TacSkinConvertor reader(limits);
    TacSpanStream stream(package);
    try {
        reader.ReadPackage(stream);
        FAIL() << "the total cap was not applied";
    } catch (const ECorruptSkinPackage& e) {
        EXPECT_NE(e.Message().find("\"4.bmp\" declares 10"), std::string::npos) << e.Message();
    }
    limits.maxTotalSize = 65;
    TacSkinConvertor roomier(limits);
    EXPECT_NO_THROW(roomier.ReadPackage(stream));
    limits.maxMemberSize = 9;
    TacSkinConvertor smaller(limits);
    EXPECT_THROW(smaller.ReadPackage(stream), ECorruptSkinPackage);
    limits = {.maxMemberCount = 4};
    TacSkinConvertor fewer(limits);
    EXPECT_THROW(fewer.ReadPackage(stream), ECorruptSkinPackage);
    limits = {.maxNameLength = 10};
    TacSkinConvertor shorter(limits);
    EXPECT_THROW(shorter.ReadPackage(stream), ECorruptSkinPackage) << "\"Options.dat\" has 11 characters";
}

TEST(SkinPackCorrupt, EveryTruncationOfTheInternalPackageFailsWithATypedError)
{
    std::vector<uint8_t> package = InternalSkinPackage();
    for (std::size_t size = 0; size < package.size(); ++size) {
        std::vector<uint8_t> cut(package.begin(), package.begin() + std::ptrdiff_t(size));
        TacSkinConvertor reader;
        try {
            Read(reader, cut);
            ADD_FAILURE() << "a package cut at " << size << " was read";
        } catch (const ENotSkinPackage&) {
            EXPECT_EQ(size, 0u);
        } catch (const ECorruptSkinPackage&) {
            EXPECT_EQ(reader.MemberCount(), 0);
        }
    }
}
