// Loading the skin model from packages, folders and stored skins, and its queries.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "skin/model/SkinTestPackages.h"
#include "skin/model/SkinColors.h"
#include "skin/model/SkinModel.h"
#include "skin/model/SkinStoredSkin.h"
#include "skin/model/acSkinPack.h"

namespace {

const uint32_t kFuchsiaRgb = 0xFF00FF;

std::vector<uint8_t> Package(const std::string& options, std::vector<TestMember> images = {})
{
    images.insert(images.begin(), {"Options.dat", Bytes(options)});
    return BuildPackage(images);
}

// A decoder that reads "JPEG" files of the form "JPG <width> <height>".
class FakeJpegDecoder : public TacJpegDecoder {
public:
    std::optional<Image24> Decode(std::span<const uint8_t> jpeg) const override
    {
        int w = 0, h = 0;
        std::string text(jpeg.begin(), jpeg.end());
        if (std::sscanf(text.c_str(), "JPG %d %d", &w, &h) != 2)
            return std::nullopt;
        return Image24(w, h, Rgb24{10, 20, 30});
    }
};

std::filesystem::path MakeTempFolder(const char* name)
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

bool SameMasks(const TsSkinModel& a, const TsSkinModel& b)
{
    if (a.Masks().size() != b.Masks().size())
        return false;
    for (std::size_t i = 0; i < a.Masks().size(); ++i) {
        const TsMaskData &x = a.Masks()[i], &y = b.Masks()[i];
        if (x.SectionName != y.SectionName || x.PropertyName != y.PropertyName || x.Left != y.Left ||
            x.Right != y.Right || x.WL != y.WL || x.HasOwnImage() != y.HasOwnImage())
            return false;
    }
    return true;
}

}  // namespace

TEST(SkinModelPackage, MasterBitmapIsFoundByTheValueAsWritten)
{
    std::vector<TestMember> master = {{"Master.bmp", SolidBmp(4, 2, 0x123456)}};
    TsSkinModel model;
    model.LoadFromPackageData(Package("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n", master));
    ASSERT_EQ(model.MasterBitmap().Width(), 4);
    EXPECT_EQ(model.MasterBitmap().At(0, 0), ToRgb24(0x563412));
    model.LoadFromPackageData(Package("[GLOBALINFO]\r\nMASTERBITMAP=master.bmp\r\n", master));
    EXPECT_TRUE(model.MasterBitmap().IsEmpty()) << "member names are upper-cased, the value is not";
    EXPECT_TRUE(model.IsLoaded());
}

TEST(SkinModelPackage, MasterBitmapKeyIsNoMaskAndGlyphsCutFromIt)
{
    TsSkinModel model;
    model.LoadFromPackageData(Package("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nCHECK=@0000@0000@0004@0002@2@0\r\n",
                                      {{"MASTER.BMP", SolidBmp(4, 2, 0)}}));
    ASSERT_EQ(model.Masks().size(), 1u);
    EXPECT_EQ(model.Masks()[0].PropertyName, "CHECK");
}

TEST(SkinModelPackage, UndecodableOrMissingBitmapsAreSkippedWithAReason)
{
    TsSkinModel model;
    model.LoadFromPackageData(Package("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n[BUTTON_HUGE]\r\n"
                                      "BORDERSMASK=!HUGE.BMP!3!1!0\r\nOTHER=!GONE.BMP!3!1!0\r\nFILE=PLAIN.BMP\r\n",
                                      {{"Master.bmp", Bytes("not a bitmap")},
                                       {"Huge.bmp", SolidBmp(30, 20, 0xFFFFFF)},
                                       {"plain.bmp", SolidBmp(9, 6, 0)}}));
    EXPECT_TRUE(model.MasterBitmap().IsEmpty());
    ASSERT_EQ(model.LoadWarnings().size(), 1u);
    EXPECT_NE(model.LoadWarnings()[0].find("MASTER.BMP"), std::string::npos);
    ASSERT_EQ(model.Masks().size(), 2u);
    EXPECT_EQ(model.Masks()[0].PropertyName, "BORDERSMASK");
    EXPECT_EQ(model.Masks()[0].Image.Width(), 30);
    EXPECT_EQ(model.Masks()[1].PropertyName, "FILE");
    EXPECT_EQ(model.Masks()[1].WL, 1);
}

TEST(SkinModelPackage, ConversionErrorsAbortTheLoadAndLeaveTheModelEmpty)
{
    TsSkinModel model;
    model.LoadFromPackageData(InternalSkinPackage());
    for (const char* options : {"[GLOBALINFO]\r\nSHADOW1BLUR=blurred\r\n", "[GLOBALINFO]\r\nSHADOW1OFFSET=\r\n",
                                "[GLOBALINFO]\r\nSHADOW1TRANSPARENCY=1.5\r\n",
                                "[EDIT]\r\nBORDERSMASK=^00x4^0012^0062^0021^0002^0002^0002^0002^1^0^5^1\r\n"}) {
        EXPECT_THROW(model.LoadFromPackageData(Package(options)), EConvertError) << options;
        EXPECT_FALSE(model.IsLoaded());
        EXPECT_TRUE(model.Sections().empty());
        EXPECT_TRUE(model.Masks().empty());
        EXPECT_TRUE(model.MasterBitmap().IsEmpty());
    }
    model.LoadFromPackageData(Package("[GLOBALINFO]\r\nBISPACE=wide\r\nVERSION=new\r\n"));
    EXPECT_EQ(model.SkinData().BISpace, 0) << "other integer keys fall back to their default";
    EXPECT_EQ(model.SkinData().Version, 0);
    EXPECT_EQ(model.SkinData().Shadow1Blur, -1);
}

TEST(SkinModelPackage, PackageErrorsPropagateAndLeaveTheModelEmpty)
{
    TsSkinModel model;
    std::vector<uint8_t> package = InternalSkinPackage();
    package[0] = 'q';
    EXPECT_THROW(model.LoadFromPackageData(package), ENotSkinPackage);
    EXPECT_FALSE(model.IsLoaded());
    package[0] = 'Q';
    package.pop_back();
    EXPECT_THROW(model.LoadFromPackageData(package), ECorruptSkinPackage);
    EXPECT_FALSE(model.IsLoaded());
}

TEST(SkinModelJpeg, LargePicturesStayPatternsSmallOnesBecomeTextures)
{
    FakeJpegDecoder decoder;
    TsSkinLoadOptions options{.JpegDecoder = &decoder};
    TsSkinModel model;
    model.LoadFromPackageData(Package("[Panel]\r\nPATTERN=big.jpg\r\nHOTPATTERN=SMALL.JPEG\r\nOTHER=none.jpg\r\n",
                                      {{"BIG.JPG", Bytes("JPG 300 300")}, {"small.jpeg", Bytes("JPG 299 300")}}),
                              options);
    ASSERT_EQ(model.Patterns().size(), 1u);
    EXPECT_EQ(model.Patterns()[0].SectionName, "PANEL");
    EXPECT_EQ(model.Patterns()[0].PropertyName, "PATTERN");
    EXPECT_EQ(model.Patterns()[0].Image.Width(), 300);
    int panel = model.GetSectionIndex("Panel");
    EXPECT_EQ(model.GetPatternIndex(panel, "PANEL", "PATTERN"), 0);
    ASSERT_EQ(model.Masks().size(), 1u);
    const TsMaskData& small = model.Masks()[0];
    EXPECT_EQ(small.ImgType, TacImgType::itisaTexture);
    EXPECT_EQ(small.Image.Width(), 299);
    EXPECT_EQ((Rect{small.Left, small.Top, small.Right, small.Bottom}), (Rect{0, 0, 299, 300}));
    EXPECT_EQ(model.GetTextureIndex(panel, "PANEL", "HOTPATTERN"), 0);
}

TEST(SkinModelJpeg, WithoutADecoderJpegTexturesAreSkipped)
{
    TsSkinModel model;
    model.LoadFromPackageData(Package("[P]\r\nPATTERN=big.jpg\r\n", {{"BIG.JPG", Bytes("JPG 300 300")}}));
    EXPECT_TRUE(model.Patterns().empty());
    EXPECT_TRUE(model.Masks().empty());
    ASSERT_EQ(model.LoadWarnings().size(), 1u);
    EXPECT_NE(model.LoadWarnings()[0].find("no JPEG decoder"), std::string::npos);
}

TEST(SkinModelQueries, MaskSearchFollowsParentsAndStopsAtLoops)
{
    TsSkinModel model;
    model.LoadFromPackageData(Package("[A]\r\nPARENTCLASS=B\r\n[B]\r\nPARENTCLASS=C\r\n"
                                      "[C]\r\nPARENTCLASS=A\r\nGLYPHMASK=@0000@0000@0002@0002@1@0\r\n"
                                      "[D]\r\nPARENTCLASS=E\r\n[E]\r\nPARENTCLASS=D\r\n[F]\r\nPARENTCLASS=F\r\n"));
    EXPECT_EQ(model.GetMaskIndex(0, "A", "GLYPHMASK"), 0);
    EXPECT_EQ(model.GetMaskIndex(3, "D", "GLYPHMASK"), -1);
    EXPECT_EQ(model.GetMaskIndex(5, "F", "GLYPHMASK"), -1);
    EXPECT_EQ(model.GetMaskIndex(-1, "C", "GLYPHMASK"), -1);
    EXPECT_EQ(model.GetMaskIndex(2, "", "GLYPHMASK"), -1);
    EXPECT_EQ(model.GetMaskIndex(99, "C", "GLYPHMASK"), 0) << "an index beyond the table still finds the name";
    EXPECT_EQ(model.GetTextureIndex(0, "A", "GLYPHMASK"), -1) << "a glyph is no texture";
    EXPECT_EQ(model.GetPatternIndex(0, "A", "GLYPHMASK"), -1);
    EXPECT_TRUE(model.IsValidMaskIndex(0));
    EXPECT_FALSE(model.IsValidMaskIndex(1));
}

TEST(SkinModelQueries, WithoutGlobalInfo)
{
    TsSkinModel model;
    model.LoadFromPackageData(Package("[EDIT]\r\n"));
    EXPECT_EQ(model.GetGlobalColor(), ResolveSkinColor(int32_t(0xFF00000F)));
    EXPECT_EQ(model.GetGlobalFontColor(), int32_t(kFuchsiaRgb));
    EXPECT_EQ(model.CommonIndexes().GlobalInfo, -1);
    EXPECT_EQ(model.CommonIndexes().BoxChecked, -1);
    model.Clear();
    EXPECT_FALSE(model.IsValidSectionIndex(0));
    EXPECT_EQ(model.GetTextureIndex(0, "EDIT", "PATTERN"), -1);
}

TEST(SkinModelColours, ZeroHueAndSaturationChangeNothing)
{
    TsSkinModel plain, zero;
    plain.LoadFromPackageData(InternalSkinPackage());
    zero.LoadFromPackageData(InternalSkinPackage(), {.HueOffset = 0, .Saturation = 0});
    EXPECT_EQ(zero.MasterBitmap().At(100, 100), plain.MasterBitmap().At(100, 100));
    for (int y = 0; y < plain.MasterBitmap().Height(); ++y)
        for (int x = 0; x < plain.MasterBitmap().Width(); ++x)
            ASSERT_EQ(zero.MasterBitmap().At(x, y), plain.MasterBitmap().At(x, y));
    for (std::size_t i = 0; i < plain.Sections().size(); ++i) {
        EXPECT_EQ(zero.Sections()[i].Color, plain.Sections()[i].Color);
        EXPECT_EQ(zero.Sections()[i].FontColor, plain.Sections()[i].FontColor);
    }
}

TEST(SkinModelColours, FullDesaturationGreysEverythingButFuchsia)
{
    TsSkinModel plain, grey;
    plain.LoadFromPackageData(InternalSkinPackage());
    grey.LoadFromPackageData(InternalSkinPackage(), {.Saturation = -100});
    const Image24& before = plain.MasterBitmap();
    const Image24& after = grey.MasterBitmap();
    int holes = 0;
    for (int y = 0; y < after.Height(); ++y) {
        for (int x = 0; x < after.Width(); ++x) {
            Rgb24 p = after.At(x, y);
            if (before.At(x, y) == Rgb24{255, 0, 255}) {
                ASSERT_EQ(p, (Rgb24{255, 0, 255}));
                ++holes;
            } else {
                ASSERT_TRUE(p.r == p.g && p.g == p.b) << x << "," << y;
            }
        }
    }
    EXPECT_GT(holes, 0);
    int32_t accent = grey.Sections()[std::size_t(grey.GetSectionIndex("WEBBUTTON"))].FontColor[0];
    Rgb24 c = ToRgb24(uint32_t(accent));
    EXPECT_TRUE(c.r == c.g && c.g == c.b);
    EXPECT_EQ(grey.Sections()[0].FontColor[kContourTop], -1) << "unset contour colours stay unset";
    const Rgb24 gradient = ToRgb24(uint32_t(grey.Sections()[std::size_t(grey.GetSectionIndex("EXTRALINE"))]
                                                 .GradientArray[0].Color1));
    EXPECT_TRUE(gradient.r == gradient.g && gradient.g == gradient.b);
}

TEST(SkinModelColours, HueOffsetTurnsSectionColoursAndImages)
{
    TsSkinModel model;
    model.LoadFromPackageData(Package("[GLOBALINFO]\r\nMASTERBITMAP=M.BMP\r\nSHADOW1COLOR=255\r\nBORDERCOLOR=255\r\n"
                                      "[S]\r\nCOLOR=255\r\nHOTCOLOR=16711935\r\nFONTCOLOR=8421504\r\n",
                                      {{"M.BMP", SolidBmp(2, 1, 0xFF0000)}}),
                              {.HueOffset = 120});
    const TsGeneralData& s = model.Sections()[1];
    EXPECT_EQ(s.Color, 0x00FF00) << "red turned by 120 degrees is green";
    EXPECT_EQ(s.HotColor, 0xFF00FF) << "fuchsia never changes";
    EXPECT_EQ(s.FontColor[0], 8421504) << "grey has no hue";
    EXPECT_EQ(model.SkinData().Shadow1Color, 0x00FF00);
    EXPECT_EQ(model.SkinData().BorderColor, 0x00FF00);
    EXPECT_EQ(model.MasterBitmap().At(0, 0), ToRgb24(0x00FF00));
}

TEST(SkinModelFolder, FolderSkinReadsTheSameAsItsPackage)
{
    TacSkinConvertor reader;
    std::vector<uint8_t> package = InternalSkinPackage();
    TacSpanStream stream(package);
    reader.ReadPackage(stream);
    std::filesystem::path folder = MakeTempFolder("pvx-folder-skin");
    WriteFile(folder / "Options.dat", reader.OptionsData()->Bytes());
    for (const TacImageItem& item : reader.Members())
        WriteFile(folder / item.FileName, item.Data.Bytes());
    // A file system that compares names exactly needs the names the skin writes.
    std::filesystem::rename(folder / "Master.bmp", folder / "MASTER.BMP");
    std::filesystem::rename(folder / "ButtonHuge.bmp", folder / "BUTTONHUGE.BMP");

    TsSkinModel fromFolder, fromPackage;
    fromFolder.LoadFromFolder(folder.string());
    fromPackage.LoadFromPackage(reader, "");
    EXPECT_FALSE(fromFolder.LoadedFromPackage());
    EXPECT_EQ(fromFolder.SkinData().SkinPath.back(), std::filesystem::path::preferred_separator);
    EXPECT_EQ(fromFolder.Sections().size(), 64u);
    EXPECT_TRUE(SameMasks(fromFolder, fromPackage));
    EXPECT_EQ(fromFolder.MasterBitmap().Width(), fromPackage.MasterBitmap().Width());
    std::filesystem::remove_all(folder);
}

TEST(SkinModelFolder, MissingOptionsIsAnOpenError)
{
    std::filesystem::path folder = MakeTempFolder("pvx-empty-skin");
    TsSkinModel model;
    EXPECT_THROW(model.LoadFromFolder(folder.string()), EFOpenError);
    EXPECT_FALSE(model.IsLoaded());
    std::filesystem::remove_all(folder);
}

TEST(SkinModelStored, CollectionFormSkin)
{
    TsStoredSkin skin;
    skin.Name = "Stored";
    skin.MasterBitmap = Image24(60, 20, Rgb24{1, 2, 3});
    skin.Version = 2.5;
    TsSkinGeneral edit;
    edit.General.SectionName = "EDIT";
    edit.General.Color = int32_t(0xFF00000F);
    edit.General.GradientData = "1;2;150;0;0";
    edit.FontColor = "4276545 16777215 -1 -1 -1";
    edit.HotFontColor = "oops";
    skin.GeneralData.push_back(edit);
    skin.Images.push_back({.SectionName = "EDIT", .PropertyName = "BORDERSMASK", .Right = 60, .Bottom = 18});
    skin.Images.push_back({.SectionName = "EDIT", .PropertyName = "PATTERN", .Image = Image24(4, 4), .ImageCount = 1,
                           .ImgType = TacImgType::itisaGlyph});
    skin.Patterns.push_back({"EDIT", "HOTPATTERN", Image24(400, 300)});

    TsSkinModel model;
    model.LoadFromStoredSkin(skin);
    EXPECT_FALSE(model.LoadedFromPackage());
    EXPECT_EQ(model.SkinData().Version, 2.5);
    EXPECT_EQ(model.SkinData().BorderColor, 0xFF00FF);
    EXPECT_EQ(model.SkinData().Shadow1Blur, -1);
    ASSERT_EQ(model.Sections().size(), 1u);
    EXPECT_EQ(model.Sections()[0].Color, ResolveSkinColor(int32_t(0xFF00000F)));
    EXPECT_EQ(model.Sections()[0].FontColor, (TsFontColors{4276545, 16777215, -1, -1, -1}));
    EXPECT_EQ(model.Sections()[0].HotFontColor, (TsFontColors{0, -1, -1, -1, -1}));
    ASSERT_EQ(model.Sections()[0].GradientArray.size(), 1u);
    EXPECT_EQ(model.Sections()[0].GradientArray[0].Percent, 100);
    ASSERT_EQ(model.Masks().size(), 2u);
    const TsMaskData& border = model.Masks()[0];
    EXPECT_EQ(border.ImageCount, 3) << "a count of 0 becomes three frames over a mask row";
    EXPECT_EQ(border.MaskType, 1);
    EXPECT_EQ(border.WL, 6);
    EXPECT_EQ(border.WT, 3);
    EXPECT_EQ(model.Masks()[1].ImgType, TacImgType::itisaTexture);
    EXPECT_EQ(model.Masks()[1].Right, 4) << "an own bitmap without a rectangle is used whole";
    EXPECT_EQ(model.GetPatternIndex(0, "EDIT", "HOTPATTERN"), 0);
    EXPECT_EQ(model.MasterBitmap().Width(), 60);
}

TEST(SkinModelStored, StoredSkinWithDataIsAPackage)
{
    TsStoredSkin skin;
    skin.Name = "Opus (internal)";
    skin.Data = InternalSkinPackage();
    TsSkinModel model;
    model.LoadFromStoredSkin(skin);
    EXPECT_TRUE(model.LoadedFromPackage());
    EXPECT_EQ(model.Sections().size(), 64u);
}

TEST(SkinModelCommonSections, KeysMergeOverTheSkinAndNewSectionsAreAppended)
{
    std::filesystem::path folder = MakeTempFolder("pvx-common-skin");
    WriteFile(folder / "extra.bmp", SolidBmp(18, 12, 0));
    std::string path = folder.string() + std::string(1, std::filesystem::path::preferred_separator);
    TacSkinConvertor reader;
    std::vector<uint8_t> package = InternalSkinPackage();
    TacSpanStream stream(package);
    reader.ReadPackage(stream);
    TsSkinModel model;
    model.LoadFromPackage(reader, path,
                          {.CommonSections = "[EDIT]\r\nCOLOR=255\r\n[MYPANEL]\r\nCOLOR=65280\r\n"
                                             "BORDERSMASK=extra.bmp\r\nGLYPHMASK=#1 (0,0,10,10) (1,0)\r\n"
                                             "[GLOBALINFO]\r\nFILE=extra.bmp\r\n"});
    ASSERT_EQ(model.Sections().size(), 65u);
    const TsGeneralData& edit = model.Sections()[6];
    EXPECT_EQ(edit.Color, 255);
    EXPECT_EQ(edit.FontColor[0], 4276545) << "keys the common text does not give stay";
    EXPECT_EQ(model.Sections().back().SectionName, "MYPANEL");
    int panel = model.GetSectionIndex("MYPANEL");
    int border = model.GetMaskIndex(panel, "MYPANEL", "BORDERSMASK");
    ASSERT_GE(border, 0);
    EXPECT_EQ(model.Masks()[std::size_t(border)].Image.Width(), 18);
    EXPECT_GE(model.GetMaskIndex(panel, "MYPANEL", "GLYPHMASK"), 0);
    EXPECT_EQ(model.GetMaskIndex(0, "GLOBALINFO", "FILE"), -1) << "GLOBALINFO of the common text adds no masks";
    std::filesystem::remove_all(folder);
}
