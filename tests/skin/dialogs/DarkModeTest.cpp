// The program with the system asking apps for dark: the dark internal skin
// from the start on every window the user meets, and a live switch both ways
// when the setting changes while the program runs.

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "gfx/Contrast.h"
#include "skin/dialogs/DialogTestSupport.h"
#include "skin/engine/SystemColorMode.h"
#include "toolkit/SysUtils.h"

#include <commdlg.h>

namespace {

constexpr const char* PersonalizeKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

void SetAppsUseLightTheme(DWORD value)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, PersonalizeKey, "AppsUseLightTheme", REG_DWORD, &value, sizeof value);
}

void RemoveAppsUseLightTheme()
{
    RegDeleteKeyValueA(HKEY_CURRENT_USER, PersonalizeKey, "AppsUseLightTheme");
}

void BroadcastColorModeChange()
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(kColorModeSettingArea),
                        SMTO_NORMAL, 2000, &result);
    PumpMessages();
}

// The mean brightness (0..255) of what the window shows on screen, frame included.
double Brightness(HWND window)
{
    Image24 image = GrabWindowAsIs(window);
    double sum = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            Rgb24 p = image.At(x, y);
            sum += (p.r + p.g + p.b) / 3.0;
        }
    int pixels = image.Width() * image.Height();
    return pixels > 0 ? sum / pixels : -1;
}

// The mean brightness of the dialog's own background: a patch of its client
// area by the top left corner, where no control lies.
double BackgroundBrightness(HWND dialog)
{
    POINT p{2, 2};
    ClientToScreen(dialog, &p);
    HDC screen = GetDC(nullptr);
    double sum = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            COLORREF c = GetPixel(screen, p.x + x, p.y + y);
            sum += (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3.0;
        }
    ReleaseDC(nullptr, screen);
    return sum / 36;
}

constexpr double DarkAtMost = 90, LightAtLeast = 170;

struct CaptionInk {
    uint32_t face = 0, ink = 0;
};

// The button's face (its centre row at the left quarter, clear of the
// caption) and the pixel of its caption's middle band that differs most
// from it: the ink a user reads.
CaptionInk CaptionInkOf(HWND button)
{
    Image24 image = GrabWindowAsIs(button);
    CaptionInk found;
    int w = image.Width(), h = image.Height();
    if (w < 8 || h < 8)
        return found;
    found.face = ToColorRef(image.At(w / 6, h / 2));
    double best = 1;
    for (int y = h / 3; y < h - h / 3; ++y)
        for (int x = w / 3; x < w - w / 3; ++x) {
            uint32_t c = ToColorRef(image.At(x, y));
            if (double ratio = ContrastRatio(c, found.face); ratio > best) {
                best = ratio;
                found.ink = c;
            }
        }
    return found;
}

// The value is set before the main window is made, and removed afterwards:
// the prefix's other tests run in light mode.
class DarkModeTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        SetAppsUseLightTheme(0);
        MainWindowTest::SetUp();
    }

    void TearDown() override
    {
        MainWindowTest::TearDown();
        RemoveAppsUseLightTheme();
    }

    // The system's open-file dialog over the main window, in folder; the
    // test's steps answer it.
    void ShowOpenFileDialog(const std::string& folder)
    {
        wchar_t file[MAX_PATH] = {};
        std::wstring initial = FromSystemCodePage(folder);
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = form->Handle();
        ofn.lpstrFile = file;
        ofn.nMaxFile = MAX_PATH;
        ofn.lpstrInitialDir = initial.c_str();
        ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
        GetOpenFileNameW(&ofn);
    }

    // Every part of the main window a user sees: the form, an edit, both details panes.
    void ExpectMainWindow(bool dark)
    {
        for (HWND window : {form->Handle(), form->FileName1->Handle(), form->Memo1->Handle(), form->Memo2->Handle()}) {
            double b = Brightness(window);
            if (dark)
                EXPECT_LT(b, DarkAtMost) << WindowText(window);
            else
                EXPECT_GT(b, LightAtLeast) << WindowText(window);
        }
    }
};

TEST_F(DarkModeTest, TheMainWindowItsEditsPanesAndScrollBarsComeUpDark)
{
    EXPECT_EQ(form->sSkinManager1->SkinName(), "Opus Dark (internal)");
    EXPECT_EQ(form->sSkinManager1->LoadError(), "");
    ExpectMainWindow(true);
    // The panes' scroll bars: the bottom right corner holds both bars' ends.
    Image24 pane = GrabWindowAsIs(form->Memo1->Handle());
    int w = pane.Width(), h = pane.Height();
    double bars = 0;
    int n = 0;
    for (int y = h - 18; y < h - 2; ++y)
        for (int x = 2; x < w - 2; ++x, ++n)
            bars += (pane.At(x, y).r + pane.At(x, y).g + pane.At(x, y).b) / 3.0;
    EXPECT_LT(bars / n, DarkAtMost) << "horizontal scroll bar";
}

TEST_F(DarkModeTest, TheAboutBoxComesUpDark)
{
    double brightness = -1;
    WhenVisible seen(AboutBox->Handle(), [&] {
        PumpMessages();
        brightness = Brightness(AboutBox->Handle());
        PostMessageA(AboutBox->Handle(), WM_CLOSE, 0, 0);
    });
    Click(form->PvxButton3);
    EXPECT_TRUE(seen.Done());
    EXPECT_LT(brightness, DarkAtMost);
}

TEST_F(DarkModeTest, TheErrorBoxAndTheOpenFileDialogComeUpDark)
{
    TempDir dir;
    std::string locked = dir.WriteFile("locked.bin", "abc");
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    HWND box = nullptr;
    double boxBrightness = -1;
    CaptionInk ok;
    {
        ModalSteps run({[&] { return (box = FindVisibleDialog("File comparing utility")) != nullptr; },
                        [&] {
                            boxBrightness = Brightness(box);
                            ok = CaptionInkOf(FindChildWindow(box, "Button", "OK"));
                            PressButton(box, "OK");
                            return true;
                        }});
        Compare(locked, locked);
        EXPECT_TRUE(run.Finished());
    }
    CloseHandle(holder);
    EXPECT_LT(boxBrightness, DarkAtMost) << "error box";
    // The default button's caption: light ink on the dark face, readable.
    EXPECT_LT(RelativeLuminance(ok.face), 0.1) << std::hex << ok.face;
    EXPECT_GT(RelativeLuminance(ok.ink), RelativeLuminance(ok.face)) << std::hex << ok.ink;
    EXPECT_GE(ContrastRatio(ok.ink, ok.face), kReadableContrast) << std::hex << ok.ink << " on " << ok.face;

    HWND dialog = nullptr;
    double dialogBrightness = -1;
    ModalSteps run({[&] { return (dialog = FindVisibleDialog("Open")) != nullptr; },
                    [&] {
                        dialogBrightness = BackgroundBrightness(dialog);
                        PressButton(dialog, "Cancel");
                        return true;
                    }});
    ShowOpenFileDialog(dir.Path());
    EXPECT_TRUE(run.Finished());
    // Its file list keeps the system's window colour: the list view is drawn by
    // the system, only its frame and bars by the skin.
    EXPECT_LT(dialogBrightness, DarkAtMost) << "open-file dialog";
}

TEST_F(DarkModeTest, ChangingTheSettingSwitchesTheLookLiveAndBack)
{
    SetAppsUseLightTheme(1);
    BroadcastColorModeChange();
    EXPECT_EQ(form->sSkinManager1->SkinName(), "Opus (internal)");
    ExpectMainWindow(false);

    // Another area of the settings leaves the skin alone.
    SetAppsUseLightTheme(0);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Environment"), SMTO_NORMAL,
                        2000, &result);
    PumpMessages();
    EXPECT_EQ(form->sSkinManager1->SkinName(), "Opus (internal)");

    BroadcastColorModeChange();
    EXPECT_EQ(form->sSkinManager1->SkinName(), "Opus Dark (internal)");
    ExpectMainWindow(true);
}

// A dialog of the system that is open while the setting changes takes the
// new look at once.
TEST_F(DarkModeTest, AnOpenDialogFollowsTheSwitch)
{
    TempDir dir;
    HWND dialog = nullptr;
    double before = -1, after = -1;
    ModalSteps run({[&] { return (dialog = FindVisibleDialog("Open")) != nullptr; },
                    [&] {
                        before = BackgroundBrightness(dialog);
                        SetAppsUseLightTheme(1);
                        BroadcastColorModeChange();
                        after = BackgroundBrightness(dialog);
                        PressButton(dialog, "Cancel");
                        return true;
                    }});
    ShowOpenFileDialog(dir.Path());
    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(form->sSkinManager1->SkinName(), "Opus (internal)");
    EXPECT_LT(before, DarkAtMost);
    EXPECT_GT(after, LightAtLeast);
}

}  // namespace
