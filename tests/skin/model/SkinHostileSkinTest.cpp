// Skins from disk are untrusted: what a hostile Options.dat or package asks
// for costs memory and work in proportion to its own size, never more.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/model/SkinTestPackages.h"
#include "skin/model/SkinIni.h"
#include "skin/model/SkinModel.h"
#include "skin/model/SkinSections.h"

namespace {

constexpr int kHugeSide = 4096;  // 16 Mi pixels, the largest image a skin may hold

std::string KeysNaming(const std::string& value, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "K" + std::to_string(i) + "=" + value + "\r\n";
    return text;
}

// Sections S0 .. S(count - 1), each inheriting from the next; the last one
// gives COLOR and HOTCOLOR, and a border image.
std::string Chain(int count)
{
    std::string text;
    for (int i = 0; i + 1 < count; ++i)
        text += "[S" + std::to_string(i) + "]\r\nPARENTCLASS=S" + std::to_string(i + 1) + "\r\n";
    text += "[S" + std::to_string(count - 1) + "]\r\nCOLOR=123\r\nHOTCOLOR=$0000FF\r\n"
            "BORDERSMASK=^0000^0000^0009^0009^0003^0003^0003^0003^1^0^1^1\r\n";
    return text;
}

}  // namespace

// The decoded pixels of one image member are held once, whatever the number
// of keys naming it: 48 MiB here, where a copy per key took 4.8 GB.
TEST(SkinHostileSkins, OneLargeMemberNamedByAHundredKeysIsDecodedOnce)
{
    std::string options = "[BIG]\r\n" + KeysNaming("!HUGE.BMP!3!1!0", 100) + "[WHOLE]\r\n" + KeysNaming("HUGE.BMP", 20);
    TsSkinModel model;
    model.LoadFromPackageData(
        BuildPackage({{"Options.dat", Bytes(options)}, {"Huge.bmp", SolidBmp(kHugeSide, kHugeSide, 0x102030)}}));
    ASSERT_EQ(model.Masks().size(), 120u);
    std::set<const void*> images;
    for (const TsMaskData& m : model.Masks()) {
        EXPECT_EQ(m.Image.Width(), kHugeSide);
        images.insert(m.Image.Identity());
    }
    EXPECT_EQ(images.size(), 1u);
}

TEST(SkinHostileSkins, ASharedImageTakesTheHueShiftOnce)
{
    auto load = [](int keys, TsSkinModel& model) {
        model.LoadFromPackageData(BuildPackage({{"Options.dat", Bytes("[A]\r\n" + KeysNaming("!S.BMP!3!1!0", keys))},
                                                {"S.bmp", SolidBmp(6, 4, 0x2060A0)}}),
                                  {.HueOffset = 40, .Saturation = 30});
    };
    TsSkinModel many, one;
    load(100, many);
    load(1, one);
    EXPECT_EQ(many.Masks()[99].Image.View().At(5, 3), one.Masks()[0].Image.View().At(5, 3));
    EXPECT_NE(one.Masks()[0].Image.View().At(5, 3), ToRgb24(0xA06020));
}

// A skin's images hold at most MaxPixels decoded pixels (by default
// kMaxSkinPixels, 192 MiB); images past that are skipped with a warning, and
// the rest of the skin loads.
TEST(SkinHostileSkins, ImagesBeyondTheSkinsPixelBudgetAreSkipped)
{
    static_assert(TsSkinLoadOptions().MaxPixels == kMaxSkinPixels);
    std::vector<TestMember> members = {{"Options.dat", {}}};
    std::string options = "[GLOBALINFO]\r\nMASTERBITMAP=M.BMP\r\n[A]\r\n";
    members.push_back({"M.BMP", SolidBmp(10, 10, 0x404040)});
    for (int i = 0; i < 5; ++i) {
        std::string name = "H" + std::to_string(i) + ".BMP";
        options += "K" + std::to_string(i) + "=!" + name + "!3!1!0\r\nAGAIN" + std::to_string(i) + "=" + name + "\r\n";
        members.push_back({name, SolidBmp(10, 10, 0x404040)});
    }
    members[0].bytes = Bytes(options);
    TsSkinModel model;
    model.LoadFromPackageData(BuildPackage(members), {.MaxPixels = 400});
    EXPECT_TRUE(model.IsLoaded());
    EXPECT_EQ(model.MasterBitmap().Width(), 10);
    EXPECT_EQ(model.Masks().size(), 6u) << "three images after the master, each named twice";
    ASSERT_EQ(model.LoadWarnings().size(), 2u);
    EXPECT_NE(model.LoadWarnings()[0].find("\"H3.BMP\""), std::string::npos) << model.LoadWarnings()[0];
}

// Reading Options.dat and its sections is linear in its size. With each new
// section and key compared against all earlier ones, and each inherited key
// walked up its whole chain again for every section, this file took hours.
TEST(SkinHostileSkins, FiftyThousandChainedSectionsAndKeysLoadInLinearWork)
{
    constexpr int kSections = 50000;
    std::string options = "[GLOBALINFO]\r\n" + KeysNaming("x", kSections) + Chain(kSections);
    for (int i = 0; i < kSections; i += 7)
        options += "[S" + std::to_string(i) + "]\r\nCOLOR=1\r\n";  // repeated sections are dropped
    TacIniView ini(options);
    ASSERT_EQ(ini.Sections().size(), std::size_t(kSections) + 1);
    EXPECT_EQ(ini.Sections()[0].Entries.size(), std::size_t(kSections));

    TsSkinModel model;
    model.LoadFromPackageData(BuildPackage({{"Options.dat", Bytes(options)}}));
    ASSERT_EQ(model.Sections().size(), std::size_t(kSections) + 1);
    for (int i : {1, 2, kSections / 2, kSections}) {
        const TsGeneralData& d = model.Sections()[std::size_t(i)];
        EXPECT_EQ(d.Color, 123) << d.SectionName;
        EXPECT_EQ(d.HotColor, 0xFF) << d.SectionName;
    }
    int first = model.GetSectionIndex("S0");
    EXPECT_EQ(model.GetMaskIndex(first, "S0", "BORDERSMASK"), 0) << "found at the far end of the chain";
}

TEST(SkinHostileSkins, ALoopAtTheEndOfALongChainCutsEverySectionOnIt)
{
    std::string options;
    for (int i = 0; i < 20000; ++i)
        options += "[S" + std::to_string(i) + "]\r\nPARENTCLASS=S" + std::to_string(i + 1) + "\r\n";
    options += "[S20000]\r\nPARENTCLASS=S19990\r\n";  // back into the chain
    TsGeneralDataArray sections = ReadSkinSections(TacIniView(options));
    ASSERT_EQ(sections.size(), 20001u);
    for (const TsGeneralData& d : sections)
        ASSERT_EQ(d.Color, 0xFFFFFF) << d.SectionName << " has no value anywhere on its chain";
}
