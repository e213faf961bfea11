#include <gtest/gtest.h>

#include "fileservices/PvxFileCtrl.h"
#include "support/WinTestHelpers.h"
#include "toolkit/SysUtils.h"

namespace {

class PvxFileCtrlTest : public testing::Test {
protected:
    TempDir dir;
    TPvxFileCtrl file{nullptr};
};

TEST_F(PvxFileCtrlTest, NameParts)
{
    struct Case {
        const char* name;
        const char* only;
        const char* extension;
    };
    for (Case c : {Case{"Notes.old.txt", "Notes", ".txt"}, Case{"README", "README", ""},
                   Case{".profile", "", ".profile"}, Case{"archive.tar.gz", "archive", ".gz"},
                   Case{"photo.final.jpg", "photo", ".jpg"}}) {
        file.SetFileName(dir.WriteFile(c.name, "x"));
        EXPECT_EQ(file.FileNameOnly(), c.only) << c.name;
        EXPECT_EQ(file.FileExtension(), c.extension) << c.name;
    }
}

TEST_F(PvxFileCtrlTest, ANewComponentAnswersEmpty)
{
    EXPECT_EQ(file.FileName(), "");
    EXPECT_EQ(file.FileSize(), 0);
    EXPECT_EQ(file.FileType(), "");
    EXPECT_EQ(file.FileWriteStamp(), "");
    EXPECT_EQ(file.Attributes(), 0u);
    EXPECT_EQ(file.Options(), ffFilesOnly | ffUseRecycleBin);
    EXPECT_EQ(ShellFlags(file.Options()), FOF_FILESONLY | FOF_ALLOWUNDO);
}

TEST_F(PvxFileCtrlTest, AMissingPathOrAFolderKeepsTheEarlierFile)
{
    std::string a = dir.WriteFile("a.txt", "abc");
    file.SetFileName(a);
    file.SetFileName(dir.PathOf("missing.txt"));
    EXPECT_EQ(file.FileName(), a);
    file.SetFileName(dir.Path());
    EXPECT_EQ(file.FileName(), a);
    EXPECT_EQ(file.FileSize(), 3);
}

TEST_F(PvxFileCtrlTest, ARelativePathIsStoredInFull)
{
    dir.WriteFile("relative.txt", "12345");
    {
        TStartFolderOverride start(dir.Path());
        file.SetFileName("relative.txt");
    }
    EXPECT_EQ(file.FileName(), dir.PathOf("relative.txt"));
    EXPECT_EQ(file.FileSize(), 5);
}

TEST_F(PvxFileCtrlTest, AFileHeldOpenElsewhereShowsSizeZeroAndNoStamps)
{
    std::string a = dir.WriteFile("held.txt", "content");
    file.SetFileName(a);
    EXPECT_EQ(file.FileSize(), 7);
    EXPECT_NE(file.FileWriteStamp(), "");
    HANDLE holder = CreateFileA(a.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(file.FileSize(), 0);
    EXPECT_EQ(file.FileCreateStamp(), "");
    EXPECT_EQ(file.FileAccessStamp(), "");
    EXPECT_EQ(file.FileWriteStamp(), "");
    CloseHandle(holder);
    EXPECT_EQ(file.FileSize(), 7);
}

void SetLocalWriteTime(const std::string& path, WORD hour, WORD minute)
{
    SYSTEMTIME local{2024, 3, 0, 15, hour, minute, 0, 0};
    FILETIME localTime{}, utc{};
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    SetFileTime(h, nullptr, nullptr, &utc);
    CloseHandle(h);
}

std::string LocaleDate(WORD hour, WORD minute)
{
    SYSTEMTIME local{2024, 3, 5, 15, hour, minute, 0, 0};
    char date[64] = {}, time[64] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &local, nullptr, time, sizeof time);
    return hour || minute ? std::string(date) + " " + time : std::string(date);
}

TEST_F(PvxFileCtrlTest, StampsUseTheUsersFormatsAndMidnightShowsTheDateAlone)
{
    std::string a = dir.WriteFile("stamp.txt", "x");
    file.SetFileName(a);
    SetLocalWriteTime(a, 0, 0);
    EXPECT_EQ(file.FileWriteStamp(), LocaleDate(0, 0));
    EXPECT_EQ(file.FileWriteStamp().find(' '), std::string::npos);
    SetLocalWriteTime(a, 13, 7);
    EXPECT_EQ(file.FileWriteStamp(), LocaleDate(13, 7));

    file.SetFileStampFormat("yyyy-MM-dd HH:mm:ss");
    EXPECT_EQ(file.FileWriteStamp(), "2024-03-15 13:07:00");
    file.SetFileStampFormat("'unclosed");
    EXPECT_EQ(file.FileWriteStamp(), LocaleDate(13, 7)) << "a bad pattern falls back to the default";
}

TEST_F(PvxFileCtrlTest, TypeNameFallsBackToTheExtension)
{
    file.SetFileName(dir.WriteFile("data.pvxunknownext", "x"));
    std::string type = file.FileType();
    EXPECT_FALSE(type.empty());
    if (type.find("-Files") != std::string::npos) {
        EXPECT_EQ(type, ".PVXUNKNOWNEXT-Files");
    }
    file.SetFileName(dir.WriteFile("NOEXTENSION", "x"));
    EXPECT_FALSE(file.FileType().empty());
}

TEST_F(PvxFileCtrlTest, AttributesFollowTheFilesBits)
{
    std::string a = dir.WriteFile("ro.txt", "x");
    SetFileAttributesA(a.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    file.SetFileName(a);
    EXPECT_TRUE(file.Attributes() & fcaReadonly);
    EXPECT_TRUE(file.Attributes() & fcaHidden);
    EXPECT_FALSE(file.Attributes() & fcaDirectory);
    SetFileAttributesA(a.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
