// The program with the system asking apps for dark: the dark internal skin
// from the start on every window the user meets, and a live switch both ways
// when the setting changes while the program runs.

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "gfx/Contrast.h"
#include "skin/dialogs/DialogTestSupport.h"
#include "skin/engine/SystemColorMode.h"
#include "toolkit/SysUtils.h"

#include <commctrl.h>
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

// The face at faceAt and the pixel of band that differs most from it: the
// ink a user reads.
CaptionInk InkOf(const Image24& image, POINT faceAt, const Rect& band)
{
    CaptionInk found;
    Rect inside = band.Intersected(image.View().Bounds());
    if (faceAt.x >= image.Width() || faceAt.y >= image.Height() || inside.IsEmpty())
        return found;
    found.face = ToColorRef(image.At(faceAt.x, faceAt.y));
    double best = 1;
    for (int y = inside.top; y < inside.bottom; ++y)
        for (int x = inside.left; x < inside.right; ++x) {
            uint32_t c = ToColorRef(image.At(x, y));
            if (double ratio = ContrastRatio(c, found.face); ratio > best) {
                best = ratio;
                found.ink = c;
            }
        }
    return found;
}

// A dialog button's face (its centre row at the left sixth, clear of the
// caption) and the ink of its caption's middle band.
CaptionInk CaptionInkOf(HWND button)
{
    Image24 image = GrabWindowAsIs(button);
    int w = image.Width(), h = image.Height();
    if (w < 8 || h < 8)
        return {};
    return InkOf(image, {w / 6, h / 2}, {w / 3, h / 3, w - w / 3, h - h / 3});
}

// A glyph button's face (left of the glyph) and the ink of its caption, in
// the bottom third under the glyph.
CaptionInk GlyphButtonInkOf(HWND button)
{
    Image24 image = GrabWindowAsIs(button);
    int w = image.Width(), h = image.Height();
    if (w < 16 || h < 16)
        return {};
    return InkOf(image, {w / 6, h / 2}, {4, h * 2 / 3, w - 4, h - 4});
}

void ExpectLightOnDark(const CaptionInk& ink, const std::string& what)
{
    EXPECT_LT(RelativeLuminance(ink.face), 0.1) << what << std::hex << " face " << ink.face;
    EXPECT_GT(RelativeLuminance(ink.ink), RelativeLuminance(ink.face)) << what << std::hex << " ink " << ink.ink;
    EXPECT_GE(ContrastRatio(ink.ink, ink.face), kReadableContrast)
        << what << std::hex << ": " << ink.ink << " on " << ink.face;
}

// The mean brightness of a patch of the window's client area (client coordinates).
double PatchBrightness(HWND window, RECT patch)
{
    POINT p{patch.left, patch.top};
    ClientToScreen(window, &p);
    HDC screen = GetDC(nullptr);
    double sum = 0;
    int n = 0;
    for (int y = 0; y < patch.bottom - patch.top; ++y)
        for (int x = 0; x < patch.right - patch.left; ++x, ++n) {
            COLORREF c = GetPixel(screen, p.x + x, p.y + y);
            sum += (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3.0;
        }
    ReleaseDC(nullptr, screen);
    return n > 0 ? sum / n : -1;
}

// A patch of w x h pixels by the bottom right corner of the client area, inset pixels inside.
RECT CornerPatch(HWND window, int inset, int w, int h)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right - inset - w, client.bottom - inset - h, client.right - inset, client.bottom - inset};
}

// What the open-file dialog's system-drawn insides show: its file list, the
// file name edit, the file type combo box's text field, and the "Look in"
// combo box's item (owner-drawn by the dialog) with its ink.
struct OpenDialogInsides {
    double list = -1, edit = -1, fileType = -1;
    COLORREF listColor = CLR_NONE;
    CaptionInk lookIn;
};

// Dialog control numbers of the "Look in" and file type combo boxes.
constexpr int LookInCombo = 0x471, FileTypeCombo = 0x470;

OpenDialogInsides ReadOpenDialogInsides(HWND dialog)
{
    OpenDialogInsides seen;
    HWND list = FindChildWindow(dialog, "SysListView32");
    seen.list = PatchBrightness(list, CornerPatch(list, 24, 8, 4));
    seen.listColor = ListView_GetBkColor(list);
    HWND edit = FindChildWindow(dialog, "Edit");
    seen.edit = PatchBrightness(edit, CornerPatch(edit, 2, 8, 4));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    HWND fileType = GetDlgItem(dialog, FileTypeCombo);
    GetComboBoxInfo(fileType, &info);
    const RECT& item = info.rcItem;
    seen.fileType = PatchBrightness(fileType, {item.right - 10, item.top + 2, item.right - 2, item.bottom - 2});
    HWND lookIn = GetDlgItem(dialog, LookInCombo);
    GetComboBoxInfo(lookIn, &info);
    seen.lookIn = InkOf(GrabClientAsIs(lookIn), {int(item.right) - 4, int(item.top + item.bottom) / 2},
                        {int(item.left) + 20, int(item.top), int(item.right) - 8, int(item.bottom)});
    return seen;
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
    ExpectLightOnDark(ok, "OK button");

    HWND dialog = nullptr;
    double dialogBrightness = -1;
    OpenDialogInsides insides;
    ModalSteps run({[&] { return (dialog = FindVisibleDialog("Open")) != nullptr; },
                    [&] {
                        dialogBrightness = BackgroundBrightness(dialog);
                        insides = ReadOpenDialogInsides(dialog);
                        PressButton(dialog, "Cancel");
                        return true;
                    }});
    ShowOpenFileDialog(dir.Path());
    EXPECT_TRUE(run.Finished());
    EXPECT_LT(dialogBrightness, DarkAtMost) << "open-file dialog";
    // The parts the system draws itself take the skin's edit colours.
    EXPECT_LT(insides.list, DarkAtMost) << "file list";
    EXPECT_EQ(insides.listColor, ToColorRef(SkinSectionColour("EDIT")));
    EXPECT_LT(insides.edit, DarkAtMost) << "file name edit";
    EXPECT_LT(insides.fileType, DarkAtMost) << "file type combo box";
    ExpectLightOnDark(insides.lookIn, "\"Look in\" item");
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

// The four command buttons draw the skin's button face with its light text
// on the dark skin, and the platform's look, pixel for pixel as before,
// once the setting is light again.
TEST_F(DarkModeTest, TheCommandButtonsFollowTheSkin)
{
    TPvxButton* buttons[] = {form->PvxButton1, form->PvxButton2, form->PvxButton3, form->PvxButton4};
    for (TPvxButton* b : buttons)
        ExpectLightOnDark(GlyphButtonInkOf(b->Handle()), b->Caption());

    SetAppsUseLightTheme(1);
    BroadcastColorModeChange();
    std::vector<Image24> light;
    for (TPvxButton* b : buttons) {
        light.push_back(GrabWindowAsIs(b->Handle()));
        CaptionInk ink = GlyphButtonInkOf(b->Handle());
        EXPECT_GT(RelativeLuminance(ink.face), 0.6) << b->Caption();
        EXPECT_LT(RelativeLuminance(ink.ink), RelativeLuminance(ink.face)) << b->Caption();
    }
    SetAppsUseLightTheme(0);
    BroadcastColorModeChange();
    EXPECT_LT(RelativeLuminance(GlyphButtonInkOf(form->PvxButton1->Handle()).face), 0.1);
    SetAppsUseLightTheme(1);
    BroadcastColorModeChange();
    for (std::size_t i = 0; i < light.size(); ++i) {
        Image24 again = GrabWindowAsIs(buttons[i]->Handle());
        EXPECT_TRUE(again.View().Bounds() == light[i].View().Bounds() &&
                    BoundsOfChanges(light[i], again, light[i].View().Bounds()).IsEmpty())
            << buttons[i]->Caption();
    }
}

// A dialog of the system that is open while the setting changes takes the
// new look at once.
TEST_F(DarkModeTest, AnOpenDialogFollowsTheSwitch)
{
    TempDir dir;
    HWND dialog = nullptr;
    double before = -1, after = -1;
    OpenDialogInsides light;
    ModalSteps run({[&] { return (dialog = FindVisibleDialog("Open")) != nullptr; },
                    [&] {
                        before = BackgroundBrightness(dialog);
                        SetAppsUseLightTheme(1);
                        BroadcastColorModeChange();
                        after = BackgroundBrightness(dialog);
                        light = ReadOpenDialogInsides(dialog);
                        PressButton(dialog, "Cancel");
                        return true;
                    }});
    ShowOpenFileDialog(dir.Path());
    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(form->sSkinManager1->SkinName(), "Opus (internal)");
    EXPECT_LT(before, DarkAtMost);
    EXPECT_GT(after, LightAtLeast);
    // The system's own colours are back inside.
    EXPECT_EQ(light.listColor, GetSysColor(COLOR_WINDOW));
    EXPECT_GT(light.list, LightAtLeast) << "file list";
    EXPECT_GT(light.edit, LightAtLeast) << "file name edit";
    EXPECT_GT(light.fileType, LightAtLeast) << "file type combo box";
}

}  // namespace
