#include <gtest/gtest.h>

#include "skin/model/SkinColors.h"
#include "skin/model/SkinIni.h"
#include "skin/model/SkinSections.h"

namespace {

TsGeneralDataArray Sections(const std::string& text)
{
    return ReadSkinSections(TacIniView(text));
}

}  // namespace

TEST(SkinSectionDefaults, SectionWithoutKeysOrParentHasTheDefaults)
{
    TsGeneralDataArray s = Sections("[PLAIN]\r\n");
    ASSERT_EQ(s.size(), 1u);
    const TsGeneralData& d = s[0];
    EXPECT_EQ(d.SectionName, "PLAIN");
    EXPECT_EQ(d.ParentClass, "");
    EXPECT_EQ(d.Color, 16777215);
    EXPECT_EQ(d.HotColor, 16777215);
    EXPECT_EQ(d.FontColor, (TsFontColors{0, -1, -1, -1, -1}));
    EXPECT_EQ(d.HotFontColor, (TsFontColors{0, -1, -1, -1, -1}));
    EXPECT_EQ(d.ShadowBlur, 6);
    EXPECT_EQ(d.ShadowOffset, 3);
    EXPECT_EQ(d.ShadowTransparency, 50);
    EXPECT_EQ(d.FadingIntervalIn, 5);
    EXPECT_EQ(d.FadingIterations, 5);
    EXPECT_EQ(d.GradientData, " ");
    EXPECT_TRUE(d.GradientArray.empty());
    EXPECT_EQ(d.HotGradientData, "");
    EXPECT_FALSE(d.ShowFocus);
    EXPECT_EQ(d.Bevel, TsControlBevel::cbNone);
}

TEST(SkinSectionInheritance, AbsentSentinelAndNonNumericKeysComeFromTheParentChain)
{
    TsGeneralDataArray s = Sections(
        "[CHILD]\r\nPARENTCLASS=PARENT\r\nCOLOR=-1\r\nHOTCOLOR=abc\r\nGRADIENTDATA=?\r\nSHOWFOCUS=?\r\n"
        "[PARENT]\r\nPARENTCLASS=GRANDPARENT\r\nCOLOR=255\r\nSHADOWCOLOR=77\r\n"
        "[GRANDPARENT]\r\nHOTCOLOR=65280\r\nGRADIENTDATA=1;2;50;0;0\r\nSHOWFOCUS=TRUE\r\nFONTCOLOR=123\r\nTCLEFT=9\r\n");
    const TsGeneralData& child = s[0];
    EXPECT_EQ(child.ParentClass, "PARENT");
    EXPECT_EQ(child.Color, 255);
    EXPECT_EQ(child.HotColor, 65280);
    EXPECT_EQ(child.GradientData, "1;2;50;0;0");
    ASSERT_EQ(child.GradientArray.size(), 1u);
    EXPECT_TRUE(child.ShowFocus);
    EXPECT_EQ(child.FontColor, (TsFontColors{123, 9, -1, -1, -1}));
    EXPECT_EQ(child.ShadowColor, 0) << "SHADOWCOLOR is not inherited";
    EXPECT_EQ(s[1].ParentClass, "GRANDPARENT");
}

TEST(SkinSectionInheritance, EmptyValueIsNotInheritedButEmptyTextIs)
{
    TsGeneralDataArray s = Sections("[C]\r\nPARENTCLASS=P\r\nGRADIENTDATA=\r\nCOLOR=\r\n[P]\r\nGRADIENTDATA=1;2;3;0;0\r\nCOLOR=5\r\n");
    EXPECT_EQ(s[0].GradientData, "") << "a text key present but empty stays empty";
    EXPECT_EQ(s[0].Color, 5) << "an empty integer is not an integer, so the parent answers";
}

TEST(SkinSectionInheritance, ParentClassLoopsOfAnyLengthAreCut)
{
    TsGeneralDataArray s = Sections("[SELF]\r\nPARENTCLASS=self\r\n"
                                    "[A]\r\nPARENTCLASS=B\r\n[B]\r\nPARENTCLASS=A\r\n"
                                    "[X]\r\nPARENTCLASS=Y\r\n[Y]\r\nPARENTCLASS=Z\r\n[Z]\r\nPARENTCLASS=X\r\nHOTCOLOR=7\r\n"
                                    "[MISSING]\r\nPARENTCLASS=NOWHERE\r\n");
    ASSERT_EQ(s.size(), 7u);
    for (const TsGeneralData& d : s)
        EXPECT_EQ(d.Color, 16777215) << d.SectionName;
    EXPECT_EQ(s[3].HotColor, 7) << "X reaches Z before the loop closes";
    EXPECT_EQ(s[4].HotColor, 7);
}

TEST(SkinSectionInheritance, ParentLookupIgnoresLetterCase)
{
    TsGeneralDataArray s = Sections("[DIALOG]\r\nPARENTCLASS=form\r\n[FORM]\r\nCOLOR=15002349\r\n");
    EXPECT_EQ(s[0].Color, 15002349);
}

TEST(SkinSectionValues, SystemColoursAreResolvedAndBevelsOutsideTheirRangeAreNone)
{
    TsGeneralDataArray s = Sections("[S]\r\nCOLOR=$FF00000F\r\nBEVEL=3\r\nHOTBEVEL=9\r\n");
    EXPECT_EQ(s[0].Color, ResolveSkinColor(int32_t(0xFF00000F)));
    EXPECT_EQ(s[0].Color & 0xFF000000, 0);
    EXPECT_EQ(s[0].Bevel, TsControlBevel::cbRaisedHard);
    EXPECT_EQ(s[0].HotBevel, TsControlBevel::cbNone);
}

TEST(SkinGradientText, FiveFieldsPerSegmentSurplusIgnoredPercentClipped)
{
    TsGradArray two = ParseGradientData("15002349;16777215;97;0;0;16777215;16777215;0;0;0");
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0], (TsGradSegment{15002349, 16777215, 97, 0}));
    EXPECT_EQ(two[1], (TsGradSegment{16777215, 16777215, 0, 0}));

    TsGradArray seven = ParseGradientData("1;2;150;1;999;3;4");
    ASSERT_EQ(seven.size(), 1u);
    EXPECT_EQ(seven[0].Percent, 100);
    EXPECT_EQ(seven[0].Mode, 1);
    EXPECT_EQ(ParseGradientData("1;2;-5;0;0")[0].Percent, 0);
    EXPECT_EQ(ParseGradientData("1;2;50;0;x").size(), 1u) << "the fifth number is not used";
}

TEST(SkinGradientText, BlankEmptyAndMalformedTextsGiveNoSegments)
{
    EXPECT_TRUE(ParseGradientData(" ").empty());
    EXPECT_TRUE(ParseGradientData("").empty());
    EXPECT_TRUE(ParseGradientData("1;2;3;4").empty());
    EXPECT_TRUE(ParseGradientData("1;two;3;4;5").empty());
}

TEST(SkinFontColorText, FiveNumbersOrNothing)
{
    EXPECT_EQ(ParseFontColors("4276545 16777215 -1 -1 -1"), (TsFontColors{4276545, 16777215, -1, -1, -1}));
    EXPECT_EQ(ParseFontColors("4276545"), (TsFontColors{0, -1, -1, -1, -1}));
    EXPECT_EQ(ParseFontColors("1 2 3 4 x"), (TsFontColors{0, -1, -1, -1, -1}));
}
