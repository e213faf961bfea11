#include <gtest/gtest.h>

#include "core/Exceptions.h"
#include "skin/model/SkinMasks.h"

namespace {

TsMaskData Parsed(const char* section, const char* key, const char* value)
{
    std::optional<TsImageEntry> entry = ParseImageEntry(section, key, value);
    EXPECT_TRUE(entry.has_value()) << value;
    return entry ? std::move(entry->Mask) : TsMaskData();
}

void ExpectRect(const TsMaskData& m, int left, int top, int right, int bottom)
{
    EXPECT_EQ(m.Left, left);
    EXPECT_EQ(m.Top, top);
    EXPECT_EQ(m.Right, right);
    EXPECT_EQ(m.Bottom, bottom);
}

void ExpectWidths(const TsMaskData& m, int wl, int wt, int wr, int wb)
{
    EXPECT_EQ(m.WL, wl);
    EXPECT_EQ(m.WT, wt);
    EXPECT_EQ(m.WR, wr);
    EXPECT_EQ(m.WB, wb);
}

}  // namespace

TEST(SkinImageNotation, BorderImageCutFromTheMaster)
{
    TsMaskData edit = Parsed("EDIT", "BORDERSMASK", "^0054^0012^0062^0021^0002^0002^0002^0002^1^0^5^1");
    EXPECT_EQ(edit.SectionName, "EDIT");
    EXPECT_EQ(edit.PropertyName, "BORDERSMASK");
    ExpectRect(edit, 54, 12, 62, 21);
    ExpectWidths(edit, 2, 2, 2, 2);
    EXPECT_EQ(edit.ImageCount, 1);
    EXPECT_EQ(edit.MaskType, 0);
    EXPECT_EQ(edit.StretchMode, 5);
    EXPECT_EQ(edit.BorderWidth, 1);
    EXPECT_EQ(edit.ImgType, TacImgType::itisaBorder);
    EXPECT_FALSE(edit.HasOwnImage());

    TsMaskData button = Parsed("BUTTON", "BORDERSMASK", "^0000^0057^0042^0079^0006^0006^0006^0006^3^0^5^1");
    EXPECT_EQ(GetMaskFrameSize(button), (Size{14, 22}));
    ExpectWidths(button, 6, 6, 6, 6);
}

TEST(SkinImageNotation, BorderWidthsComeFromBorderWidthOrAreDerived)
{
    ExpectWidths(Parsed("S", "K", "^0000^0000^0030^0012^0000^0000^0000^0000^1^0^1^4"), 4, 4, 4, 4);
    // 60 x 18 with three frames and a mask row: 60 div 9 and 18 div 6.
    ExpectWidths(Parsed("S", "K", "^0000^0000^0060^0018^0000^0000^0000^0000^3^1^1^0"), 6, 3, 6, 3);
    ExpectWidths(Parsed("S", "K", "^0000^0000^0060^0018^0001^0000^0000^0000^3^1^1^9"), 1, 0, 0, 0);
}

TEST(SkinImageNotation, ZeroImageCountIsClampedBeforeAnyDivision)
{
    TsMaskData m = Parsed("S", "K", "^0000^0000^0030^0012^0000^0000^0000^0000^0^0^1^0");
    EXPECT_EQ(m.ImageCount, 1);
    ExpectWidths(m, 10, 4, 10, 4);
    TsMaskData glyph = Parsed("S", "K", "@0000@0000@0030@0012@0@0");
    EXPECT_EQ(glyph.ImageCount, 1);
    EXPECT_EQ(GetMaskFrameSize(glyph), (Size{30, 12}));
}

TEST(SkinImageNotation, GlyphAndTexture)
{
    TsMaskData box = Parsed("GLOBALINFO", "BOXCHECKED", "@0106@0000@0145@0013@3@0");
    ExpectRect(box, 106, 0, 145, 13);
    EXPECT_EQ(box.ImageCount, 3);
    EXPECT_EQ(box.ImgType, TacImgType::itisaGlyph);
    ExpectWidths(box, 0, 0, 0, 0);
    EXPECT_EQ(GetMaskFrameSize(box), (Size{13, 13}));

    TsMaskData grip = Parsed("GRIPH", "PATTERN", "~0067~0141~0069~0145~10~1");
    ExpectRect(grip, 67, 141, 69, 145);
    EXPECT_EQ(grip.ImgType, TacImgType::itisaTexture);
    EXPECT_EQ(grip.StretchMode, 10);
    EXPECT_EQ(grip.MaskType, 1);
    EXPECT_EQ(grip.ImageCount, 1);
    EXPECT_EQ(Parsed("S", "PATTERN", "~0067~0141~0069~0145~10").MaskType, 0) << "shorter than 25 characters";
}

TEST(SkinImageNotation, OwnBitmapEntryTakesItsSizeFromTheBitmap)
{
    std::optional<TsImageEntry> huge = ParseImageEntry("BUTTON_HUGE", "BORDERSMASK", "!BUTTONHUGE.BMP!3!1!0");
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->FileName, "BUTTONHUGE.BMP");
    EXPECT_TRUE(huge->DeriveWidths);
    AttachEntryBitmap(*huge, Image24(288, 192));
    const TsMaskData& m = huge->Mask;
    ExpectRect(m, 0, 0, 288, 192);
    ExpectWidths(m, 32, 32, 32, 32);
    EXPECT_EQ(m.StretchMode, 4);
    EXPECT_EQ(m.MaskType, 1);
    EXPECT_EQ(GetMaskFrameSize(m), (Size{96, 96}));
    EXPECT_EQ(MaskWidthLeft(m), 32);

    std::optional<TsImageEntry> given = ParseImageEntry("S", "K", "!a.bmp!2!0!2!1!2!3!4");
    ASSERT_TRUE(given);
    AttachEntryBitmap(*given, Image24(20, 10));
    ExpectWidths(given->Mask, 1, 2, 3, 4);
    EXPECT_EQ(given->Mask.ImgType, TacImgType::itisaGlyph);

    EXPECT_FALSE(ParseImageEntry("S", "K", "!picture.png!3!1!0")) << "not a bitmap file";
    EXPECT_THROW(ParseImageEntry("S", "K", "!a.bmp!3!1"), EConvertError);
    EXPECT_THROW(ParseImageEntry("S", "K", "!a.bmp!3!1!0!1!2"), EConvertError);
}

TEST(SkinImageNotation, WholeFileEntry)
{
    std::optional<TsImageEntry> entry = ParseImageEntry("Panel", "Bordersmask", "frame.bmp");
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->WholeFile);
    EXPECT_EQ(entry->FileName, "frame.bmp");
    AttachEntryBitmap(*entry, Image24(90, 60));
    EXPECT_EQ(entry->Mask.SectionName, "PANEL");
    EXPECT_EQ(entry->Mask.PropertyName, "BORDERSMASK");
    EXPECT_EQ(entry->Mask.ImageCount, 3);
    EXPECT_EQ(entry->Mask.MaskType, 1);
    ExpectWidths(entry->Mask, 10, 10, 10, 10);
    EXPECT_FALSE(ParseImageEntry("S", "COLOR", "14344676"));
    EXPECT_FALSE(ParseImageEntry("S", "PARENTCLASS", "FORM"));
}

TEST(SkinImageNotation, OlderRectangleNotation)
{
    TsMaskData border = Parsed("Edit", "BordersMask", "#1 (10,20,40,38) (3,1)");
    EXPECT_EQ(border.SectionName, "EDIT");
    EXPECT_EQ(border.PropertyName, "BORDERSMASK");
    ExpectRect(border, 10, 20, 40, 38);
    EXPECT_EQ(border.StretchMode, 1);
    ExpectWidths(border, 3, 3, 3, 3);

    TsMaskData pattern = Parsed("PANEL", "pattern", "#2 (0,0,8,8) (0,-1,-2)");
    EXPECT_EQ(pattern.ImgType, TacImgType::itisaTexture);
    EXPECT_EQ(pattern.StretchMode, 0);
    EXPECT_EQ(pattern.ImageCount, 1);
    EXPECT_EQ(pattern.MaskType, 0);
    EXPECT_EQ(pattern.BorderWidth, 0);

    ExpectWidths(Parsed("S", "K", "#3 (0,0,30,30) (1,0,5,2)"), 5, 5, 5, 5);
    EXPECT_THROW(ParseImageEntry("S", "K", "#3 (0,0,30) (1,0)"), EConvertError);
    EXPECT_THROW(ParseImageEntry("S", "DESCRIPTION", "skin #2 of many"), EConvertError);
}

TEST(SkinImageNotation, ValuesThatAreNoImage)
{
    EXPECT_FALSE(ParseImageEntry("ROUNDTBN", "BORDERSMASK", ""));
    EXPECT_FALSE(ParseImageEntry("S", "K", "#"));
}

TEST(SkinImageNotation, NonNumericOrShortFieldsAreConversionErrors)
{
    EXPECT_THROW(ParseImageEntry("S", "K", "^00x4^0012^0062^0021^0002^0002^0002^0002^1^0^5^1"), EConvertError);
    EXPECT_THROW(ParseImageEntry("S", "K", "^0054^0012^0062^0021^0002^0002^0002^0002^1^0^5"), EConvertError);
    EXPECT_THROW(ParseImageEntry("S", "K", "@0106@0000@0145@0013@x@0"), EConvertError);
    EXPECT_THROW(ParseImageEntry("S", "K", "~"), EConvertError);
}

TEST(SkinImageNotation, RectanglesNeverRunBackwards)
{
    TsMaskData m = Parsed("S", "K", "@0050@0040@0010@-001@1@0");
    ExpectRect(m, 50, 40, 50, 40);
    EXPECT_EQ(GetMaskFrameSize(m), (Size{0, 0}));
}

TEST(SkinMaskWidths, GivenThenBorderWidthThenDerived)
{
    TsMaskData m;
    m.Right = 36;
    m.Bottom = 18;
    m.ImageCount = 0;  // a mask made elsewhere: a count of 0 counts as 1
    m.MaskType = 1;
    EXPECT_EQ(MaskWidthLeft(m), 12);
    EXPECT_EQ(MaskWidthTop(m), 3);
    m.BorderWidth = 2;
    EXPECT_EQ(MaskWidthRight(m), 2);
    m.WB = 5;
    EXPECT_EQ(MaskWidthBottom(m), 5);
    EXPECT_EQ(GetMaskFrameSize(m), (Size{36, 9}));
    m.Image = Image24(30, 20);
    EXPECT_EQ(GetMaskFrameSize(m), (Size{10, 10})) << "an own bitmap is three frames over a mask row";
}
