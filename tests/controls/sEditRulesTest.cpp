// The file name edit's portable rules: the button and glyph geometry, and
// the path texts that decide where the open dialog starts.

#include <gtest/gtest.h>

#include <set>

#include "controls/sEditGlyphLayout.h"
#include "controls/sFileNameRules.h"

namespace {

TEST(EditButtonGeometry, TheButtonIsTheFramePlusTwoAndTheTextStopsBesideIt)
{
    EXPECT_EQ(EditButtonWidth(20, true), 22);
    EXPECT_EQ(EditButtonWidth(20, false), 0);
    EXPECT_EQ(EditTextArea({463, 17}, 22), (Rect{0, 0, 441, 17}));
    EXPECT_EQ(EditTextArea({463, 17}, 0), (Rect{0, 0, 463, 17}));
    EXPECT_EQ(EditTextArea({10, 17}, 22), (Rect{0, 0, 0, 17})) << "never a negative width";
}

TEST(EditButtonGeometry, FramesByState)
{
    EXPECT_EQ(EditGlyphFrame(false, false), 0);
    EXPECT_EQ(EditGlyphFrame(false, true), 1);
    EXPECT_EQ(EditGlyphFrame(true, true), 2);
    EXPECT_EQ(EditGlyphFrame(true, false), 2) << "held down while the mouse went off it";
}

TEST(EditButtonGeometry, GlyphPlacedAThirdInAndCentredDownTruncatingTowardZero)
{
    EXPECT_EQ(EditGlyphPosition({22, 17}, {20, 17}), (Point{0, 0}));  // the main window's edits
    EXPECT_EQ(EditGlyphPosition({30, 24}, {20, 17}), (Point{3, 3}));
    EXPECT_EQ(EditGlyphPosition({18, 14}, {20, 17}), (Point{0, -1})) << "-2 div 3 is 0, -3 div 2 is -1";
}

TEST(EditButtonGeometry, GreyAndBlendOnlyWhileTheEditIsIdle)
{
    EXPECT_TRUE(EditGlyphLook(false, false, true, 40).gray);
    EXPECT_EQ(EditGlyphLook(false, false, true, 40).blend, 40);
    EXPECT_FALSE(EditGlyphLook(true, false, true, 40).gray) << "focused or hot";
    EXPECT_EQ(EditGlyphLook(true, false, true, 40).blend, 0);
    EXPECT_FALSE(EditGlyphLook(false, true, true, 40).gray) << "mouse over the button";
    EXPECT_EQ(EditGlyphLook(false, false, false, 250).blend, 100);
}

TEST(FileNameRules, ValidNamesAreNonEmptyAndFreeOfTheSevenCharacters)
{
    EXPECT_TRUE(ValidFileName("C:\\dir\\report.txt"));
    EXPECT_TRUE(ValidFileName("C:\\dir\\"));
    EXPECT_TRUE(ValidFileName("a name with spaces"));
    EXPECT_FALSE(ValidFileName(""));
    for (char c : std::string("<>\"|*?/"))
        EXPECT_FALSE(ValidFileName(std::string("C:\\a") + c + "b")) << c;
}

TEST(FileNameRules, TheFolderPartEndsAtTheLastSeparatorOrColon)
{
    EXPECT_EQ(FolderPart("C:\\dir\\sub\\report.txt"), "C:\\dir\\sub\\");
    EXPECT_EQ(FolderPart("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(FolderPart("C:report.txt"), "C:");
    EXPECT_EQ(FolderPart("report.txt"), "");
}

class DialogStartTest : public testing::Test {
protected:
    TsDialogStart Start(const std::string& text)
    {
        return DialogStartFor(text, previous, [this](const std::string& f) { return folders.count(f) > 0; });
    }
    std::set<std::string> folders{"C:\\docs\\"};
    TsDialogStart previous{"C:\\last\\", "C:\\last\\chosen.bin"};
};

TEST_F(DialogStartTest, AFileInAnExistingFolderOpensThereWithTheWholeText)
{
    TsDialogStart s = Start("C:\\docs\\report.txt");
    EXPECT_EQ(s.initialDir, "C:\\docs\\");
    EXPECT_EQ(s.fileName, "C:\\docs\\report.txt");
}

TEST_F(DialogStartTest, AFolderTextOpensWithAnEmptyName)
{
    TsDialogStart s = Start("C:\\docs\\");
    EXPECT_EQ(s.initialDir, "C:\\docs\\");
    EXPECT_EQ(s.fileName, "");
    EXPECT_EQ(Start("C:").fileName, "");
}

TEST_F(DialogStartTest, AMissingFolderKeepsThePreviousFolderButTakesTheName)
{
    TsDialogStart s = Start("C:\\gone\\report.txt");
    EXPECT_EQ(s.initialDir, "C:\\last\\");
    EXPECT_EQ(s.fileName, "C:\\gone\\report.txt");
}

TEST_F(DialogStartTest, InvalidTextsKeepBothPreviousSettings)
{
    for (const char* text : {"C:\\docs\\*.txt", "", "C:\\docs\\a?b"}) {
        TsDialogStart s = Start(text);
        EXPECT_EQ(s.initialDir, "C:\\last\\") << text;
        EXPECT_EQ(s.fileName, "C:\\last\\chosen.bin") << text;
    }
}

}  // namespace
