#include <gtest/gtest.h>

#include "fileservices/Browse4Folder.h"
#include "support/WinTestHelpers.h"

namespace {

constexpr const char* BrowseCaption = "Browse for Folder";

TEST(Browse4Folder, CancelReturnsFalseAndAnEmptyFolder)
{
    TBrowse4Folder folder(nullptr);
    folder.SetTitle("Select Target");
    DialogAnswerer answer(BrowseCaption, "Cancel");
    EXPECT_FALSE(folder.Execute());
    answer.Stop();
    EXPECT_TRUE(answer.Result().pressed);
    EXPECT_TRUE(folder.SelectedDir().empty());
}

TEST(Browse4Folder, TheInitialFolderIsPreselectedAndComesBackWhenChosen)
{
    TempDir dir;
    std::string target = dir.PathOf("chosen");
    CreateDirectoryA(target.c_str(), nullptr);
    TBrowse4Folder folder(nullptr);
    folder.SetTitle("Select Target");
    folder.SetInitialDir(FromSystemCodePage(target));
    DialogAnswerer answer(BrowseCaption, "OK");
    EXPECT_TRUE(folder.Execute());
    answer.Stop();
    EXPECT_EQ(ToSystemCodePage(folder.SelectedDir()), target);
    bool titleShown = false;
    for (const std::string& text : answer.Result().texts)
        titleShown |= text == "Select Target";
    EXPECT_TRUE(titleShown);
}

TEST(Browse4Folder, DefaultsAndTheRootSuppliesAnEmptyInitialFolder)
{
    TBrowse4Folder folder(nullptr);
    EXPECT_EQ(folder.Options(), 0x50u);
    EXPECT_TRUE(folder.ShowTitle());
    EXPECT_EQ(folder.Root(), TWinPaths::Desktop);
    folder.BeginLoading();
    folder.Loaded();
    std::wstring desktop = WinPathFolder(TWinPaths::Desktop);
    ASSERT_FALSE(desktop.empty());
    EXPECT_EQ(folder.InitialDir(), desktop);
    EXPECT_EQ(desktop.back(), L'\\');
    EXPECT_EQ(WinPathFolder(TWinPaths::PCRootDrive).size(), 3u);
}

}  // namespace
