#include <gtest/gtest.h>

#include "app/About.h"
#include "app/StartUp.h"
#include "app/frmMain.h"
#include "skin/forms/RunTimeProviders.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"

namespace {

// One life of the program's windows: start-up, the main window shown, the
// About box shown modally and closed, both windows destroyed.
void OpenAndCloseWindows()
{
    CreateApplicationForms(*Application);
    Form1->Show();
    PumpMessages();
    WhenVisible closeAbout(AboutBox->Handle(), [] { AboutBox->SetModalResult(mrOk); });
    AboutBox->ShowModal();
    delete AboutBox;
    delete Form1;
    PumpMessages();
}

TEST(MainWindowLeaks, OpeningAndClosingAHundredTimesLeaksNoGdiOrUserObjects)
{
    OpenAndCloseWindows();  // first use creates the process's lasting objects
    int gdiBefore = CountGdiObjects();
    int userBefore = CountThreadWindows();
    ASSERT_GT(gdiBefore, 0);
    for (int i = 0; i < 100; ++i)
        OpenAndCloseWindows();
    EXPECT_LE(CountGdiObjects(), gdiBefore + 2);
    EXPECT_LE(CountThreadWindows(), userBefore);
    EXPECT_EQ(RunTimeProviderCount(), 0) << "each About box's provider went with its window";
}

TEST(MainWindowLeaks, ShowingTheSkinnedAboutBoxAHundredTimesLeaksNothing)
{
    CreateApplicationForms(*Application);
    Form1->Show();
    PumpMessages();
    auto showAbout = [] {
        WhenVisible closeAbout(AboutBox->Handle(), [] { AboutBox->SetModalResult(mrOk); });
        AboutBox->ShowModal();
        PumpMessages();
    };
    showAbout();
    int gdiBefore = CountGdiObjects();
    int userBefore = CountThreadWindows();
    for (int i = 0; i < 100; ++i)
        showAbout();
    EXPECT_LE(CountGdiObjects(), gdiBefore + 2);
    EXPECT_LE(CountThreadWindows(), userBefore);
    EXPECT_EQ(RunTimeProviderCount(), 1) << "one run-time provider for the one About box";
    delete AboutBox;
    delete Form1;
    PumpMessages();
    EXPECT_EQ(RunTimeProviderCount(), 0);
}

}  // namespace
