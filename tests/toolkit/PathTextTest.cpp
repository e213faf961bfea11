// Path texts and the paths the file calls take: no look-alikes towards the
// code page, relative paths against the start folder whatever the current
// folder is, long paths in the form the wide calls take at any length.

#include <gtest/gtest.h>

#include "support/WinTestHelpers.h"
#include "toolkit/SysUtils.h"

namespace {

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

}  // namespace

TEST(PathText, ACharacterTheCodePageLacksBecomesAQuestionMarkNeverALookAlike)
{
    {
        // What the system's own conversion makes of it, and the commands would act on.
        char system[16] = {};
        WideCharToMultiByte(1252, 0, L"\u0141\u00F3d\u017A.txt", -1, system, sizeof system, nullptr, nullptr);
        EXPECT_STREQ(system, "L\xF3" "dz.txt");
        TCodePageOverride codePage(1252);
        EXPECT_EQ(ToSystemCodePage(L"\u0141\u00F3d\u017A.txt"), "?\xF3" "d?.txt") << "not a look-alike";
        EXPECT_FALSE(SystemCodePageHolds(L"\u0141\u00F3d\u017A.txt"));
        EXPECT_TRUE(SystemCodePageHolds(L"caf\u00E9.txt"));
        EXPECT_EQ(ToSystemCodePage(L"\uFF21\u2033"), "??") << "fullwidth A and a double prime";
    }
    {
        TCodePageOverride codePage(932);
        std::wstring japanese = L"\u5831\u544A\u66F8.txt";
        EXPECT_EQ(FromSystemCodePage(ToSystemCodePage(japanese)), japanese);
        EXPECT_EQ(ToSystemCodePage(L"\u0141"), "?");
    }
    TCodePageOverride codePage(CP_UTF8);
    EXPECT_TRUE(SystemCodePageHolds(L"\u0141\u00F3d\u017A \U0001F600.txt"));
    EXPECT_EQ(ToSystemCodePage(std::wstring(L"a\xD800" L"b")), "a?b") << "an unpaired surrogate is no U+FFFD";
    EXPECT_FALSE(SystemCodePageHolds(std::wstring(L"a\xDC00")));
}

TEST(PathText, ANameHoldingWhatTheCodePageLostNamesNoFile)
{
    TempDir dir;
    dir.WriteFile("Lodz.txt", "look-alike");
    TCodePageOverride codePage(1252);
    const std::string lost = ToSystemCodePage(Wide(dir.Path()) + L"\\\u0141\u00F3d\u017A.txt");
    EXPECT_EQ(FileCallPath(lost), L"");
    EXPECT_EQ(FileAttributesOf(lost), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(OpenExistingFile(lost, GENERIC_READ, FILE_SHARE_READ));
    EXPECT_EQ(FileAttributesOf(dir.PathOf("L*.txt")), INVALID_FILE_ATTRIBUTES) << "a wildcard names no file";
    EXPECT_NE(FileAttributesOf(dir.PathOf("Lodz.txt")), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(FileAttributesOf("\\\\?\\" + dir.PathOf("Lodz.txt")), INVALID_FILE_ATTRIBUTES);
}

TEST(PathText, RelativePathsAreTheStartFoldersWhateverTheCurrentFolderIs)
{
    TempDir dir;
    dir.MakeFolder("elsewhere");
    dir.WriteFile("here.txt", "h");
    TStartFolderOverride start(dir.Path());
    SetCurrentDirectoryA(dir.PathOf("elsewhere").c_str());
    const std::wstring root = Wide(dir.Path().substr(0, 2));
    EXPECT_EQ(FileCallPath("here.txt"), Wide(dir.PathOf("here.txt")));
    EXPECT_EQ(FileCallPath("elsewhere\\..\\here.txt"), Wide(dir.PathOf("here.txt")));
    EXPECT_EQ(FileCallPath(dir.Path().substr(0, 2) + "here.txt"), Wide(dir.PathOf("here.txt")))
        << "drive-relative on the start folder's drive";
    EXPECT_EQ(FileCallPath("\\x\\y.txt"), root + L"\\x\\y.txt");
    EXPECT_EQ(ExpandFileName("here.txt"), dir.PathOf("here.txt"));
    EXPECT_NE(FileAttributesOf("here.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(FileCallPath(""), L"");
}

TEST(PathText, LongPathsTakeTheFormTheWideCallsTakeAtAnyLength)
{
    TempDir dir;
    const std::string folder = dir.PathOf(std::string(150, 'f')) + "\\" + std::string(150, 'g');
    EXPECT_EQ(FileCallPath(folder), L"\\\\?\\" + Wide(folder));
    EXPECT_EQ(FileCallPath(dir.PathOf(std::string(150, 'f')) + "\\.\\" + std::string(150, 'g')),
              L"\\\\?\\" + Wide(folder))
        << "resolved before the prefix, which turns resolving off";
    const std::string unc = "\\\\server\\share\\" + std::string(300, 'u');
    EXPECT_EQ(FileCallPath(unc), L"\\\\?\\UNC\\server\\share\\" + Wide(std::string(300, 'u')));
    EXPECT_EQ(FileCallPath(dir.PathOf("short")), Wide(dir.PathOf("short")));
    ASSERT_TRUE(CreateDirectoryW(FileCallPath(dir.PathOf(std::string(150, 'f'))).c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(FileCallPath(folder).c_str(), nullptr));
    dir.WriteFile(std::string(150, 'f') + "\\" + std::string(150, 'g') + "\\x.txt", "x");
    EXPECT_NE(FileAttributesOf(folder + "\\x.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(OpenExistingFile(folder + "\\x.txt", GENERIC_READ, FILE_SHARE_READ));
}
