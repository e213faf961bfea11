#include "app/MainWindowFixture.h"

namespace {

class DropFilesTest : public MainWindowTest {
protected:
    void Drop(const std::vector<std::string>& paths, HWND target = nullptr)
    {
        SendMessageA(target ? target : form->Handle(), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
        PumpMessages();
    }
    std::string Slot1() { return form->FileName1->Text(); }
    std::string Slot2() { return form->FileName2->Text(); }
};

TEST_F(DropFilesTest, OneFileOnAFreshWindowGoesToSlot1)
{
    Drop({"C:\\a.txt"});
    EXPECT_EQ(Slot1(), "C:\\a.txt");
    EXPECT_EQ(Slot2(), "");
}

TEST_F(DropFilesTest, Slot2HoldingTextIsNoReasonToSkipSlot1)
{
    form->FileName2->SetText("C:\\two.txt");
    Drop({"C:\\a.txt"});
    EXPECT_EQ(Slot1(), "C:\\a.txt");
    EXPECT_EQ(Slot2(), "C:\\two.txt");
}

TEST_F(DropFilesTest, WithBothFilledTheDropReplacesSlot2)
{
    form->FileName1->SetText("C:\\one.txt");
    form->FileName2->SetText("C:\\two.txt");
    Drop({"C:\\a.txt"});
    EXPECT_EQ(Slot1(), "C:\\one.txt");
    EXPECT_EQ(Slot2(), "C:\\a.txt");
}

TEST_F(DropFilesTest, TwoFilesOnAFreshWindowFillBothSlots)
{
    Drop({"C:\\a.txt", "C:\\b.txt"});
    EXPECT_EQ(Slot1(), "C:\\a.txt");
    EXPECT_EQ(Slot2(), "C:\\b.txt");
}

TEST_F(DropFilesTest, FourFilesWithSlot1FilledLeaveTheFourthInSlot2)
{
    form->FileName1->SetText("C:\\one.txt");
    Drop({"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "C:\\d.txt"});
    EXPECT_EQ(Slot1(), "C:\\one.txt");
    EXPECT_EQ(Slot2(), "C:\\d.txt");
    EXPECT_EQ(Status(), StartPrompt) << "a drop does not compare";
    EXPECT_EQ(CurrentPath1, "");
}

TEST_F(DropFilesTest, ADropOnTheSecondEditStillFillsSlot1First)
{
    // The edits do not take drops themselves: the window does, for all of it.
    EXPECT_FALSE(GetWindowLongA(form->FileName2->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    Drop({"C:\\a.txt"});
    EXPECT_EQ(Slot1(), "C:\\a.txt");
}

TEST_F(DropFilesTest, ALongPathArrivesWhole)
{
    std::string longPath = "C:\\" + std::string(290, 'p') + "\\file-with-a-long-name.txt";
    ASSERT_GT(longPath.size(), 300u);
    Drop({longPath, "C:\\short.txt"});
    EXPECT_EQ(Slot1(), longPath);
    EXPECT_EQ(Slot2(), "C:\\short.txt");
}

TEST_F(DropFilesTest, AnEmptyDropChangesNothing)
{
    Drop({});
    EXPECT_EQ(Slot1(), "");
    EXPECT_EQ(Slot2(), "");
}

}  // namespace
