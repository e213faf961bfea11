#include <gtest/gtest.h>

#include <clocale>

#include "core/Exceptions.h"
#include "skin/model/SkinIni.h"

TEST(SkinIniLines, TrimsSkipsCommentsAndDropsLinesOutsideSections)
{
    TacIniView ini("key=before any section\r\n"
                   "  [ FIRST ]  \r\n"
                   "; a comment=not a key\r\n"
                   "\t KEY1 =  value one \t\r\n"
                   "\r\n"
                   "no equals sign here\r\n"
                   "[Second]\n"
                   "k=v=w\r"
                   "x=1");
    ASSERT_EQ(ini.Sections().size(), 2u);
    EXPECT_EQ(ini.Sections()[0].Name, "FIRST");
    ASSERT_EQ(ini.Sections()[0].Entries.size(), 1u);
    EXPECT_EQ(ini.Sections()[0].Entries[0].Key, "KEY1");
    EXPECT_EQ(ini.Sections()[0].Entries[0].Value, "value one");
    EXPECT_EQ(ini.ReadString("Second", "k", "-"), "v=w");
    EXPECT_EQ(ini.ReadString("Second", "x", "-"), "1") << "a lone CR ends a line, and so does the end of the text";
    EXPECT_EQ(ini.FindValue("FIRST", "key"), nullptr);
}

TEST(SkinIniLookup, IgnoresLetterCaseAndTheFirstSectionOrKeyWins)
{
    TacIniView ini("[Edit]\r\nColor=1\r\nCOLOR=2\r\n[EDIT]\r\nCOLOR=3\r\nOTHER=4\r\n");
    ASSERT_EQ(ini.Sections().size(), 1u);
    EXPECT_EQ(ini.ReadInteger("edit", "color", 0), 1);
    EXPECT_EQ(ini.FindValue("EDIT", "OTHER"), nullptr) << "the later section of the same name is dropped whole";
}

TEST(SkinIniLookup, EmptyValueIsEmptyTextNotTheDefault)
{
    TacIniView ini("[S]\r\nTEXT=\r\nNUMBER=\r\nFLAG=\r\n");
    EXPECT_EQ(ini.ReadString("S", "TEXT", "default"), "");
    EXPECT_EQ(ini.ReadString("S", "MISSING", "default"), "default");
    EXPECT_EQ(ini.ReadInteger("S", "NUMBER", 7), 7) << "empty is not an integer";
    EXPECT_FALSE(ini.ReadBool("S", "FLAG", true)) << "present and not TRUE";
    EXPECT_TRUE(ini.ReadBool("S", "MISSING", true));
}

TEST(SkinIniIntegers, DecimalDollarAndZeroXHexadecimal)
{
    TacIniView ini("[S]\r\nA=42\r\nB=-17\r\nC=$FF\r\nD=0x1f\r\nE=$FF00000F\r\nF=12abc\r\nG=0x\r\nH=2147483648\r\n"
                   "I=-2147483648\r\nJ=+5\r\nK=$123456789\r\nL= 5 \r\n");
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 42);
    EXPECT_EQ(ini.ReadInteger("S", "B", 0), -17);
    EXPECT_EQ(ini.ReadInteger("S", "C", 0), 255);
    EXPECT_EQ(ini.ReadInteger("S", "D", 0), 31);
    EXPECT_EQ(ini.ReadInteger("S", "E", 0), int32_t(0xFF00000F)) << "a system colour written in hexadecimal";
    EXPECT_EQ(ini.ReadInteger("S", "F", -9), -9);
    EXPECT_EQ(ini.ReadInteger("S", "G", -9), -9);
    EXPECT_EQ(ini.ReadInteger("S", "H", -9), -9) << "beyond 32 bits";
    EXPECT_EQ(ini.ReadInteger("S", "I", 0), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("S", "J", 0), 5);
    EXPECT_EQ(ini.ReadInteger("S", "K", -9), -9);
    EXPECT_EQ(ini.ReadInteger("S", "L", -9), 5) << "values are trimmed";
}

TEST(SkinIniIntegers, StrictConversionRaisesAConversionError)
{
    EXPECT_EQ(SkinStrToInt("0054"), 54);
    try {
        SkinStrToInt("5x");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'5x' is not a valid integer value");
    }
    EXPECT_THROW(SkinStrToInt(""), EConvertError);
}

TEST(SkinIniFloats, PointIsTheSeparatorWhateverTheLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    // A locale with a decimal comma, where one is installed.
    for (const char* name : {"de_DE.UTF-8", "de_DE", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name))
            break;
    TacIniView ini("[GLOBALINFO]\r\nVERSION=5.41\r\nCOMMA=5,41\r\nWORD=five\r\n");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "VERSION", 0), 5.41);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "COMMA", -1), -1);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "WORD", -1), -1);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(SkinIniBooleans, OnlyTrueInAnyLetterCaseIsTrue)
{
    TacIniView ini("[S]\r\nA=TRUE\r\nB=true\r\nC=1\r\nD=yes\r\nE=TRUE \r\n");
    EXPECT_TRUE(ini.ReadBool("S", "A", false));
    EXPECT_TRUE(ini.ReadBool("S", "B", false));
    EXPECT_FALSE(ini.ReadBool("S", "C", true));
    EXPECT_FALSE(ini.ReadBool("S", "D", true));
    EXPECT_TRUE(ini.ReadBool("S", "E", false));
}

TEST(SkinIniMerge, GivenKeysReplaceNewKeysAndSectionsAreAppended)
{
    TacIniView ini("[EDIT]\r\nCOLOR=1\r\nFONTCOLOR=2\r\n[FORM]\r\nCOLOR=3\r\n");
    ini.MergeFrom(TacIniView("[edit]\r\ncolor=10\r\nHOTCOLOR=11\r\n[EXTRA]\r\nCOLOR=12\r\n"));
    EXPECT_EQ(ini.ReadInteger("EDIT", "COLOR", 0), 10);
    EXPECT_EQ(ini.ReadInteger("EDIT", "FONTCOLOR", 0), 2);
    EXPECT_EQ(ini.ReadInteger("EDIT", "HOTCOLOR", 0), 11);
    ASSERT_EQ(ini.Sections().size(), 3u);
    EXPECT_EQ(ini.Sections()[2].Name, "EXTRA");
}
