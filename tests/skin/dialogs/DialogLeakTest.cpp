// Opening and closing each skinned dialog many times leaks no GDI or USER
// objects and leaves no run-time provider behind.

#include "app/MainWindowFixture.h"
#include "skin/dialogs/DialogTestSupport.h"
#include "skin/forms/RunTimeProviders.h"
#include "toolkit/SysUtils.h"

#include <commdlg.h>

namespace {

constexpr int kRounds = 50;

class DialogLeakTest : public MainWindowTest {
protected:
    // Opens and closes a dialog kRounds times (after one round to warm up)
    // and checks the counts did not grow.
    void Repeat(const char* caption, const char* button, const std::function<void()>& open)
    {
        auto round = [&] {
            ModalSteps run({[&] { return (dialog = FindVisibleDialog(caption)) != nullptr; },
                            [&] {
                                PressButton(dialog, button);
                                return true;
                            }});
            open();
            PumpMessages();
            return run.Finished();
        };
        ASSERT_TRUE(round());
        int gdi = CountGdiObjects(), user = CountThreadWindows(), providers = RunTimeProviderCount();
        for (int i = 0; i < kRounds; ++i)
            ASSERT_TRUE(round()) << "round " << i;
        EXPECT_LE(CountGdiObjects(), gdi + 2) << caption;
        EXPECT_LE(CountThreadWindows(), user) << caption;
        EXPECT_EQ(RunTimeProviderCount(), providers) << caption;
    }

    TempDir dir;
    HWND dialog = nullptr;
};

TEST_F(DialogLeakTest, TheErrorBox)
{
    std::string locked = dir.WriteFile("locked.bin", "abc");
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    Repeat("File comparing utility", "OK", [&] { Compare(locked, locked); });
    CloseHandle(holder);
}

TEST_F(DialogLeakTest, TheFolderPicker)
{
    form->FileName1->SetText(dir.WriteFile("a.txt", "a"));
    Repeat("Browse for Folder", "Cancel", [&] { Click(form->sBitBtn2); });
}

TEST_F(DialogLeakTest, TheDeleteConfirmation)
{
    std::string a = dir.WriteFile("a.txt", "a");
    Repeat("Confirm", "No", [&] {
        form->FileName1->SetText(a);
        Click(form->sBitBtn1);
    });
}

TEST_F(DialogLeakTest, TheOpenFileDialog)
{
    dir.WriteFile("a.txt", "a");
    Repeat("Open", "Cancel", [&] { ShowOpenFileDialog(form->Handle(), dir.Path()); });
}

}  // namespace
