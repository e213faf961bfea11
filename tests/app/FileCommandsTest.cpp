#include <fstream>
#include <iterator>

#include "app/MainWindowFixture.h"
#include "fileservices/ShellServices.h"
#include "toolkit/SysUtils.h"

namespace {

constexpr const char* Identical = "Files are Identical (By File Size and CRC32 Check)";

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class FileCommandsTest : public MainWindowTest {
protected:
    TempDir dir;
};

TEST_F(FileCommandsTest, DetailsListEightLinesPerFileWithTheirLabels)
{
    std::string photo = dir.WriteFile("photo.final.jpg", std::string(2048, 'j'));
    std::string readme = dir.WriteFile("README", "read me");
    Compare(photo, readme);
    ASSERT_EQ(form->Memo1->Lines().Count(), 8);
    ASSERT_EQ(form->Memo2->Lines().Count(), 8);
    TMemoLines& one = form->Memo1->Lines();
    EXPECT_EQ(one[0], "File Name and Path: " + photo);
    EXPECT_EQ(one[1], "File Name: photo");
    EXPECT_EQ(one[2], "File Name Extention: .jpg");
    EXPECT_EQ(one[3], "File Size: 2048 Bytes");
    EXPECT_EQ(one[4].rfind("File Type: ", 0), 0u);
    EXPECT_GT(one[4].size(), std::string("File Type: ").size());
    EXPECT_EQ(one[5].rfind("File Create: ", 0), 0u);
    EXPECT_EQ(one[6].rfind("LastAccess: ", 0), 0u);
    EXPECT_EQ(one[7].rfind("Last Write: ", 0), 0u);
    EXPECT_GT(one[7].size(), std::string("Last Write: ").size());
    TMemoLines& two = form->Memo2->Lines();
    EXPECT_EQ(two[2], "File Name Extention: ") << "no extension: the label stands alone";
    EXPECT_EQ(two[3], "File Size: 7 Bytes");
}

TEST_F(FileCommandsTest, EachCompareAddsABlockUntilClearFields)
{
    std::string a = dir.WriteFile("a.txt", "same");
    std::string b = dir.WriteFile("b.txt", "same");
    for (int i = 0; i < 3; ++i)
        Compare(a, b);
    EXPECT_EQ(form->Memo1->Lines().Count(), 24);
    EXPECT_EQ(form->Memo2->Lines().Count(), 24);
    EXPECT_EQ(form->Memo1->Lines()[8], form->Memo1->Lines()[0]);

    Click(form->PvxButton2);
    Compare(a, b);
    EXPECT_EQ(form->Memo1->Lines().Count(), 8);
    EXPECT_EQ(form->Memo2->Lines().Count(), 8);
}

TEST_F(FileCommandsTest, ARelativePathShowsInFull)
{
    dir.WriteFile("rel.txt", "r");
    {
        TStartFolderOverride start(dir.Path());
        Compare("rel.txt", "rel.txt");
    }
    EXPECT_EQ(Status(), Identical);
    EXPECT_EQ(form->Memo1->Lines()[0], "File Name and Path: " + dir.PathOf("rel.txt"));
}

TEST_F(FileCommandsTest, DeleteWithAnEmptyEditOnlyEmptiesTheCurrentPath)
{
    CurrentPath1 = "earlier";
    DialogAnswerer answer("", "Yes");
    Click(form->sBitBtn1);
    answer.Stop();
    EXPECT_FALSE(answer.Result().seen);
    EXPECT_EQ(CurrentPath1, "");
}

TEST_F(FileCommandsTest, DeleteOfAFolderDoesNothing)
{
    form->FileName2->SetText(dir.Path());
    DialogAnswerer answer("", "Yes");
    Click(form->sBitBtn3);
    answer.Stop();
    EXPECT_FALSE(answer.Result().seen);
    EXPECT_TRUE(Exists(dir.Path()));
    EXPECT_EQ(form->FileName2->Text(), dir.Path());
    EXPECT_EQ(CurrentPath2, dir.Path());
}

TEST_F(FileCommandsTest, DeclinedDeleteKeepsFileAndEdit)
{
    std::string a = dir.WriteFile("keep.txt", "keep");
    form->FileName1->SetText(a);
    DialogAnswerer answer("Confirm file deletion", "No");
    Click(form->sBitBtn1);
    answer.Stop();
    EXPECT_TRUE(answer.Result().pressed);
    EXPECT_TRUE(Exists(a));
    EXPECT_EQ(form->FileName1->Text(), a);
}

TEST_F(FileCommandsTest, ConfirmedDeleteEmptiesTheEditAndTheNextCompareSaysSo)
{
    // Named in Cyrillic: the trash keeps the file under its name.
    std::string a = dir.WriteFile("a.txt", "x");
    std::string name = "Удалённый-" + std::to_string(GetTickCount64()) + ".txt";
    std::string b = dir.WriteFile(name, "x");
    Compare(a, b);
    DialogAnswerer answer("Confirm file deletion", "Yes");
    Click(form->sBitBtn3);
    answer.Stop();
    EXPECT_FALSE(Exists(b));
    EXPECT_EQ(form->FileName2->Text(), "");
    EXPECT_EQ(CurrentPath2, b);
    EXPECT_EQ(form->Memo2->Lines().Count(), 8) << "the details stay";
    Click(form->PvxButton1);
    EXPECT_EQ(Status(), "File 2 not exists");
    std::string trash = WineTrashFolder();
    if (!trash.empty()) {
        EXPECT_EQ(ReadAll(trash + "\\files\\" + name), "x") << "the trash holds no file of that name";
        DeleteFileA((trash + "\\files\\" + name).c_str());
        DeleteFileA((trash + "\\info\\" + name + ".trashinfo").c_str());
    }
}

// The shell's confirmation is owned by no window. While it is open, a click
// on Compare or Delete File and a drop on the window reach nothing: a second
// delete inside the first, a Compare holding the file, a path put in the edit
// that the delete's success would wipe.
TEST_F(FileCommandsTest, WhileTheDeleteConfirmationIsOpenTheWindowIsInert)
{
    std::string a = dir.WriteFile("first.txt", "same");
    std::string b = dir.WriteFile("second.txt", "same");
    std::string c = dir.WriteFile("dropped.txt", "c");
    form->FileName1->SetText(a);
    form->FileName2->SetText(b);
    bool enabledMeanwhile = true;
    DialogAnswerer answer("Confirm file deletion", "No");
    answer.Meanwhile([&](HWND dialog) {
        enabledMeanwhile = IsWindowEnabled(form->Handle());
        // Out of the way of the buttons the clicks aim at.
        SetWindowPos(dialog, nullptr, 0, GetSystemMetrics(SM_CYSCREEN) - 120, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ClickAtScreen(ScreenCentre(form->PvxButton1->Handle()));
        // Were the window not inert, this delete would open a second
        // confirmation inside the first, which nothing here would answer.
        if (!enabledMeanwhile)
            ClickAtScreen(ScreenCentre(form->sBitBtn3->Handle()));
        PostMessageA(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({c})), 0);
    });
    Click(form->sBitBtn1);
    answer.Stop();
    ASSERT_TRUE(answer.Result().pressed);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_EQ(Status(), StartPrompt) << "no Compare ran";
    EXPECT_EQ(form->FileName1->Text(), a);
    EXPECT_EQ(form->FileName2->Text(), b) << "no drop and no second delete";
    EXPECT_EQ(CurrentPath2, "");
    EXPECT_TRUE(Exists(a) && Exists(b));

    EXPECT_TRUE(IsWindowEnabled(form->Handle())) << "after the answer the program works as before";
    ClickAtScreen(ScreenCentre(form->PvxButton1->Handle()));
    PumpMessages();
    EXPECT_EQ(Status(), Identical);
    form->FileName1->SetText("");
    SendMessageA(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({c})), 0);
    EXPECT_EQ(form->FileName1->Text(), c);
}

// The system drops a trailing dot or space when it opens a path: under Wine,
// where a folder can hold both, "report.txt." read the bytes of "report.txt".
TEST_F(FileCommandsTest, APathWhoseNameEndsInADotOrASpaceNamesNoFile)
{
    std::string plain = dir.WriteFile("report.txt", "plain");
    std::string plainToo = dir.WriteFile("notes", "plain");
    std::vector<std::string> unreachable = {plain + ".", plainToo + " ", dir.Path() + ".\\report.txt"};
    for (const std::string& path : {unreachable[0], unreachable[1]}) {
        HANDLE file = CreateFileA(("\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
        CloseHandle(file);
    }
    for (const std::string& path : unreachable) {
        SCOPED_TRACE(path);
        Compare(path, plain);
        EXPECT_EQ(Status(), "File 1 not exists");
        Compare(plain, path);
        EXPECT_EQ(Status(), "File 2 not exists");
        form->FileName1->SetText(path);
        DialogAnswerer answer("", "Yes");
        Click(form->sBitBtn1);
        Click(form->sBitBtn2);
        answer.Stop();
        EXPECT_FALSE(answer.Result().seen) << "neither the shell nor the folder picker was asked";
        EXPECT_EQ(form->FileName1->Text(), path);
    }
    EXPECT_EQ(ReadAll(plain), "plain");
    EXPECT_EQ(ReadAll(plainToo), "plain");
    for (const std::string& path : {unreachable[0], unreachable[1]}) {
        EXPECT_NE(GetFileAttributesA(("\\\\?\\" + path).c_str()), INVALID_FILE_ATTRIBUTES) << path;
        DeleteFileA(("\\\\?\\" + path).c_str());
    }
    EXPECT_FALSE(HasUnreachableName(dir.Path() + "\\..\\a\\.\\b.txt"));
}

TEST_F(FileCommandsTest, MoveIntoAChosenFolder)
{
    // Named in Greek, into a folder named in Japanese with an emoji: the
    // picker's wide path reaches the move whole.
    std::string a = dir.WriteFile("Μετακίνηση.txt", "moving");
    std::string b = dir.WriteFile("other.txt", "other");
    std::string target = dir.MakeFolder("目的地 😀");
    Compare(a, b);
    form->Folder1->SetInitialDir(FromSystemCodePage(target));
    DialogAnswerer answer("Browse for Folder", "OK",
                          [](HWND picker) { return PickerSelection(picker) == L"目的地 😀"; });
    Click(form->sBitBtn2);
    answer.Stop();
    ASSERT_TRUE(answer.Result().pressed) << "the picker did not show the folder chosen";
    EXPECT_EQ(form->Folder1->SelectedDir(), FromSystemCodePage(target));
    EXPECT_FALSE(Exists(a));
    EXPECT_EQ(ReadAll(target + "\\Μετακίνηση.txt"), "moving");
    EXPECT_EQ(form->FileName1->Text(), "");
    EXPECT_EQ(form->Memo1->Lines().Count(), 8) << "the old details stay";
    EXPECT_EQ(form->FileCtrl1->FileName(), a);
}

TEST_F(FileCommandsTest, CancellingTheFolderPickerMovesNothing)
{
    std::string a = dir.WriteFile("stay.txt", "stay");
    form->FileName1->SetText(a);
    DialogAnswerer answer("Browse for Folder", "Cancel");
    Click(form->sBitBtn2);
    answer.Stop();
    EXPECT_TRUE(answer.Result().pressed);
    EXPECT_TRUE(Exists(a));
    EXPECT_EQ(form->FileName1->Text(), a);
}

}  // namespace
