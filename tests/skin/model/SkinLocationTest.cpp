// Where the skin manager looks for a skin: the package path and the skin
// directory made absolute against the program's folder.

#include <gtest/gtest.h>

#include "skin/model/ControlKinds.h"
#include "skin/model/SkinLocation.h"

TEST(SkinLocation, TheSkinDirectoryResolvesAgainstTheProgramsFolder)
{
    const char* program = "C:\\Apps\\Tool\\";
    EXPECT_EQ(ResolveSkinDirectory("..\\Skins", program), "C:\\Apps\\Skins");
    EXPECT_EQ(ResolveSkinDirectory("Skins", program), "C:\\Apps\\Tool\\Skins");
    EXPECT_EQ(ResolveSkinDirectory("D:\\Skins", program), "D:\\Skins");
    EXPECT_EQ(ResolveSkinDirectory(".\\Skins\\", program), "C:\\Apps\\Tool\\Skins");
    EXPECT_EQ(ResolveSkinDirectory("./Skins", program), "C:\\Apps\\Tool\\Skins");
    EXPECT_EQ(ResolveSkinDirectory("\\\\server\\share\\Skins", program), "\\\\server\\share\\Skins");
    EXPECT_EQ(ResolveSkinDirectory("..\\Skins", "C:\\"), "Skins") << "nothing above a drive's root";
}

TEST(SkinLocation, ThePackagePathKeepsTheDirectoryAsStored)
{
    EXPECT_EQ(SkinPackagePath("c:\\Skins", "Opus"), "c:\\Skins\\Opus.qlk");
    EXPECT_EQ(SkinPackagePath("c:\\Skins\\", "Opus"), "c:\\Skins\\Opus.qlk");
    EXPECT_EQ(SkinPackagePath("Skins/", "Opus"), "Skins\\Opus.qlk") << "a relative directory stays relative";
    EXPECT_EQ(SkinPackagePath("D", "Opus"), "D:\\Opus.qlk") << "a drive letter";
    EXPECT_EQ(SkinPackagePath("", "Opus"), "Opus.qlk");
}

TEST(ControlKinds, DefaultSectionsAndContainers)
{
    EXPECT_EQ(DefaultSectionOfKind(kKindBitBtn), "BUTTON");
    EXPECT_EQ(DefaultSectionOfKind(kKindSpeedButton), "SPEEDBUTTON");
    EXPECT_EQ(DefaultSectionOfKind(5), "EDIT");
    EXPECT_EQ(DefaultSectionOfKind(kKindAdapterItem), "EDIT");
    EXPECT_EQ(DefaultSectionOfKind(kKindFrameAdapter), "GROUPBOX");
    EXPECT_EQ(DefaultSectionOfKind(kKindFileNameEdit), "") << "the owner's class name";
    EXPECT_TRUE(IsContainerKind(51));
    EXPECT_TRUE(IsContainerKind(161));
    EXPECT_FALSE(IsContainerKind(kKindBitBtn));
}
