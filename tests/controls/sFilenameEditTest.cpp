// The file name edit on a real window under Wine: the system's open dialog
// found and answered from the test, the keys, typing and pasting, the text
// area beside the button, and the button's glyph frames and fades.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include <commdlg.h>
#include <dlgs.h>

#include "controls/PvxControlTestSupport.h"
#include "controls/PvxGlyphImages.h"
#include "controls/SkinnedTestForm.h"
#include "controls/sEditGlyphLayout.h"
#include "controls/sTooledit.h"
#include "core/Exceptions.h"
#include "gfx/Gray.h"
#include "skin/engine/SkinCommands.h"
#include "skin/model/ControlKinds.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/FormData.h"
#include "toolkit/SysUtils.h"

namespace {

class TEditTestForm : public TSkinnedTestForm {
public:
    using TSkinnedTestForm::TSkinnedTestForm;
    TsFilenameEdit* fileEdit = nullptr;

protected:
    void AddControls() override
    {
        SetBounds(100, 100, 520, 200);
        fileEdit = CreateControl<TsFilenameEdit>(this, this, "fileEdit", 8, 40, 467, 21);
        fileEdit->SkinData().SetSkinSection("EDIT");
        fileEdit->SetDialogOptions(ofEnableSizing);
        fileEdit->SetTabOrder(1);
    }
};

// What the open dialog showed, read from inside its own modal loop.
struct SeenDialog {
    bool seen = false;
    std::string folder;    // the folder it lists
    std::string nameText;  // its file name field
    HWND capture = nullptr;  // the window holding the mouse meanwhile
};

HWND FindOpenDialog()
{
    struct Search {
        HWND found = nullptr;
    } search;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM data) -> BOOL {
            char cls[16] = {};
            GetClassNameA(w, cls, sizeof cls);
            if (IsWindowVisible(w) && std::string(cls) == "#32770" && GetDlgItem(w, IDOK)) {
                reinterpret_cast<Search*>(data)->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The file name field: an editable combo box in the explorer-style dialog,
// an edit in the old one.
HWND NameField(HWND dialog)
{
    HWND field = GetDlgItem(dialog, cmb13);
    return field ? field : GetDlgItem(dialog, edt1);
}

// Watches for the open dialog, reads its folder and name, then either types
// a name and confirms it or cancels.
class OpenDialogAnswer {
public:
    // An empty answer cancels.
    explicit OpenDialogAnswer(std::string answer = {}) : answer_(std::move(answer))
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 30, Tick);
    }
    OpenDialogAnswer(const OpenDialogAnswer&) = delete;
    OpenDialogAnswer& operator=(const OpenDialogAnswer&) = delete;
    ~OpenDialogAnswer()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    SeenDialog seen;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (current_ && !current_->seen.seen)
            current_->TryAnswer();
    }
    void TryAnswer()
    {
        HWND dialog = FindOpenDialog();
        if (!dialog)
            return;
        seen.seen = true;
        seen.capture = GetCapture();
        // The dialog is a wide one: it answers in UTF-16.
        wchar_t folder[MAX_PATH] = {};
        SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
        seen.folder = ToSystemCodePage(folder);
        seen.nameText = WindowText(NameField(dialog));
        if (answer_.empty()) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
            return;
        }
        SetWindowTextA(NameField(dialog), answer_.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    }

    static inline OpenDialogAnswer* current_ = nullptr;
    std::string answer_;
    UINT_PTR timer_ = 0;
};

std::string WithoutSlash(std::string folder)
{
    if (folder.size() > 3 && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

// Alt+Down as the keyboard delivers it: a system key with Alt held.
void PressAltDown(HWND window)
{
    BYTE state[256] = {};
    GetKeyboardState(state);
    BYTE saved = state[VK_MENU];
    state[VK_MENU] = 0x80;
    SetKeyboardState(state);
    PostMessageA(window, WM_SYSKEYDOWN, VK_DOWN, LPARAM(1 | (1 << 29)));
    PostMessageA(window, WM_SYSKEYUP, VK_DOWN, LPARAM(1 | (1 << 29) | (3u << 30)));
    PumpMessages();
    state[VK_MENU] = saved;
    SetKeyboardState(state);
}

class FilenameEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        ParkPointer();
        form = new TEditTestForm(Application);
        form->Create();
        form->Show();
        PumpMessages();
        edit = form->fileEdit;
    }
    void TearDown() override
    {
        delete form;
        ParkPointer();
        PumpMessages();
    }
    // A real click in the middle of the button.
    void ClickButton()
    {
        Rect b = edit->Button().BoundsRect();
        Point middle{b.left + b.Width() / 2, b.top + b.Height() / 2};
        MouseInput(edit->Handle(), middle, MOUSEEVENTF_LEFTDOWN);
        MouseInput(edit->Handle(), middle, MOUSEEVENTF_LEFTUP);
        ParkPointer();
        PumpMessages();
    }
    bool FadeEnds()
    {
        return PumpUntil([&] { return !edit->Button().RunningFade(); });
    }

    TEditTestForm* form = nullptr;
    TsFilenameEdit* edit = nullptr;
    TempDir dir;
};

TEST_F(FilenameEditTest, DefaultsKindsAndSkinColours)
{
    EXPECT_EQ(edit->SkinData().ControlKind(), kKindFileNameEdit);
    EXPECT_EQ(edit->Button().SkinData().ControlKind(), kKindSpeedButton);
    EXPECT_EQ(edit->Button().SkinData().SkinSection(), "SPEEDBUTTON");
    EXPECT_EQ(edit->MaxLength(), 255);
    EXPECT_TRUE(edit->ShowButton());
    EXPECT_EQ(edit->ClickKey, 32808);
    EXPECT_TRUE(edit->DirectInput());
    EXPECT_FALSE(edit->ReadOnly());
    EXPECT_TRUE(edit->AutoSelect);
    EXPECT_EQ(edit->DisabledKind(), unsigned(dkBlended));
    EXPECT_EQ(TsFilenameEdit(nullptr).DialogOptions(), 524292u) << "hide read-only, enable sizing";
    EXPECT_EQ(edit->DialogOptions(), unsigned(ofEnableSizing));
    EXPECT_EQ(edit->Filter(), "All files (*.*)|*.*");
    EXPECT_EQ(edit->FilterIndex(), 1);
    EXPECT_TRUE(edit->GlyphMode().UseDefaultGlyph());
    EXPECT_FALSE(edit->BoundLabel().Active);
    EXPECT_EQ(edit->EditLabel(), nullptr);
    EXPECT_EQ(ColorToRGB(edit->Color()), 0xFFFFFFu) << "the EDIT section's colour";
    EXPECT_EQ(edit->Font().Color(), 4276545);
    EXPECT_FALSE(GetWindowLongA(edit->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_EQ(edit->Button().Width(), 22);
    EXPECT_EQ(edit->Button().Cursor(), crArrow);
}

TEST_F(FilenameEditTest, AFileInAnExistingFolderOpensThereWithTheWholeTextAsItsName)
{
    std::string text = dir.PathOf("report.txt");
    edit->SetText(text);
    OpenDialogAnswer answer;
    ClickButton();
    ASSERT_TRUE(answer.seen.seen);
    EXPECT_NE(answer.seen.capture, edit->Handle()) << "the edit let go of the mouse for the dialog";
    EXPECT_EQ(WithoutSlash(answer.seen.folder), dir.Path());
    EXPECT_EQ(edit->Dialog().FileName, text) << "the dialog was given the whole text";
    // The system dialog lists the folder and shows the name in its field.
    EXPECT_TRUE(answer.seen.nameText == text || answer.seen.nameText == "report.txt") << answer.seen.nameText;
    EXPECT_EQ(edit->Text(), text) << "cancelled";
}

TEST_F(FilenameEditTest, ATextEndingInABackslashOpensWithAnEmptyName)
{
    edit->SetText(dir.Path() + "\\");
    OpenDialogAnswer answer;
    edit->ButtonClick();
    ASSERT_TRUE(answer.seen.seen);
    EXPECT_EQ(WithoutSlash(answer.seen.folder), dir.Path());
    EXPECT_EQ(answer.seen.nameText, "");
}

TEST_F(FilenameEditTest, AChosenPathWithSpacesGoesInUnquotedAndIsTheNextStart)
{
    TempDir other;
    std::string chosen = other.WriteFile("my file.txt", "x");
    {
        OpenDialogAnswer answer(chosen);
        edit->ButtonClick();
        ASSERT_TRUE(answer.seen.seen);
    }
    EXPECT_EQ(edit->Text(), chosen);
    EXPECT_EQ(edit->InitialDir(), other.Path() + "\\");
    EXPECT_EQ(GetFocus(), edit->Handle());

    // A text with a star keeps the folder and the name of the last choice.
    edit->SetText(dir.Path() + "\\*.txt");
    OpenDialogAnswer again;
    edit->ButtonClick();
    ASSERT_TRUE(again.seen.seen);
    EXPECT_EQ(WithoutSlash(again.seen.folder), other.Path());
    EXPECT_TRUE(again.seen.nameText == chosen || again.seen.nameText == "my file.txt") << again.seen.nameText;
    EXPECT_EQ(edit->Text(), dir.Path() + "\\*.txt");
}

TEST_F(FilenameEditTest, ANameTheDialogCannotTakeStillOpensIt)
{
    for (std::string text : {dir.PathOf(std::string(300, 'd') + ".txt"), std::string("C:\\a:b.txt")}) {
        edit->SetText(text);
        OpenDialogAnswer answer;
        edit->ButtonClick();
        EXPECT_TRUE(answer.seen.seen) << text;
        EXPECT_EQ(edit->Text(), text);
    }
}

TEST_F(FilenameEditTest, CancelKeepsTheTextAndGivesTheEditTheFocus)
{
    form->edit->SetFocus();
    PumpMessages();
    ASSERT_NE(GetFocus(), edit->Handle());
    edit->SetText("C:\\kept.txt");
    OpenDialogAnswer answer;
    ClickButton();
    ASSERT_TRUE(answer.seen.seen);
    EXPECT_EQ(edit->Text(), "C:\\kept.txt");
    EXPECT_EQ(GetFocus(), edit->Handle());
    DWORD start = 0, end = 0;
    SendMessageA(edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 11u) << "AutoSelect: the whole text is selected";
}

TEST_F(FilenameEditTest, AltDownOpensTheDialogAndReadOnlyButtonsDoNothing)
{
    edit->SetFocus();
    PumpMessages();
    {
        OpenDialogAnswer answer;
        PressAltDown(edit->Handle());
        EXPECT_TRUE(answer.seen.seen);
    }
    int clicks = 0;
    edit->OnButtonClick = [&](TComponent*) { ++clicks; };
    edit->SetReadOnly(true);
    OpenDialogAnswer unwanted;
    PressAltDown(edit->Handle());
    EXPECT_FALSE(unwanted.seen.seen);
    EXPECT_EQ(clicks, 0);
}

TEST_F(FilenameEditTest, EnterAndEscapeGoToTheFormsDefaultAndCancelButtons)
{
    auto* ok = CreateControl<TButton>(form, form, "ok", 8, 100, 75, 25);
    ok->SetDefault(true);
    auto* cancel = CreateControl<TButton>(form, form, "cancel", 90, 100, 75, 25);
    cancel->SetCancel(true);
    int oks = 0, cancels = 0;
    ok->OnClick = [&](TComponent*) { ++oks; };
    cancel->OnClick = [&](TComponent*) { ++cancels; };
    edit->SetText("C:\\kept.txt");
    edit->SetFocus();
    PumpMessages();
    PressKey(edit->Handle(), VK_RETURN);
    EXPECT_EQ(oks, 1);
    PressKey(edit->Handle(), VK_ESCAPE);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(GetFocus(), edit->Handle());
    EXPECT_EQ(edit->Text(), "C:\\kept.txt");
}

TEST_F(FilenameEditTest, TypingStopsAt255WhileTextSetByTheProgramIsWhole)
{
    for (int i = 0; i < 300; ++i)
        SendMessageA(edit->Handle(), WM_CHAR, 'a', 1);
    EXPECT_EQ(edit->Text().size(), 255u);
    std::string dropped = "C:\\" + std::string(290, 'd') + ".txt";
    edit->SetText(dropped);
    EXPECT_EQ(edit->Text(), dropped);
    SendMessageA(edit->Handle(), EM_SETSEL, 0, 0);
    SendMessageA(edit->Handle(), WM_CHAR, 'x', 1);
    EXPECT_EQ(edit->Text(), dropped) << "no typing past the limit";
}

TEST_F(FilenameEditTest, WithoutDirectInputTypingAndPastingAreRefusedButTheButtonWorks)
{
    edit->SetText("C:\\a.txt");
    edit->SetDirectInput(false);
    SendMessageA(edit->Handle(), EM_SETSEL, 0, -1);
    SendMessageA(edit->Handle(), WM_CHAR, 'x', 1);
    SendMessageA(edit->Handle(), WM_CUT, 0, 0);
    SendMessageA(edit->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit->Text(), "C:\\a.txt");
    OpenDialogAnswer answer;
    ClickButton();
    EXPECT_TRUE(answer.seen.seen);
}

TEST_F(FilenameEditTest, FileNameRefusesInvalidNamesAndForgetsTheChosenFiles)
{
    edit->Dialog().Files = {"C:\\old.txt"};
    EXPECT_THROW(
        {
            try {
                edit->SetFileName("C:\\a|b.txt");
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message(), "Invalid file name");
                throw;
            }
        },
        Exception);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(edit->Dialog().Files.size(), 1u);
    edit->SetFileName("C:\\new.txt");
    EXPECT_EQ(edit->FileName(), "C:\\new.txt");
    EXPECT_TRUE(edit->Dialog().Files.empty());
    edit->SetFileName("");
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(FilenameEditTest, ChangingTheDialogKindCarriesTheSettingsOver)
{
    edit->SetFilter("Texts|*.txt");
    edit->SetFilterIndex(2);
    edit->SetInitialDir("C:\\x\\");
    edit->SetDefaultExt("txt");
    edit->Dialog().FileName = "C:\\x\\y.txt";
    edit->SetDialogKind(TsDialogKind::dkSave);
    EXPECT_STREQ(edit->Dialog().ClassName(), "TsSaveDialog");
    EXPECT_EQ(edit->Filter(), "Texts|*.txt");
    EXPECT_EQ(edit->FilterIndex(), 2);
    EXPECT_EQ(edit->InitialDir(), "C:\\x\\");
    EXPECT_EQ(edit->DefaultExt(), "txt");
    EXPECT_EQ(edit->DialogOptions(), unsigned(ofEnableSizing));
    EXPECT_EQ(edit->Dialog().FileName, "C:\\x\\y.txt");
}

TEST_F(FilenameEditTest, ALongTextNeverDrawsUnderTheButton)
{
    // The text area ends where the button begins; Wine keeps its text one
    // pixel inside that (it reports (1, 1, 440, 14) in a 463 x 17 client).
    Rect client = edit->ClientRect();
    auto besideTheButton = [&] {
        Rect area = edit->TextArea();
        return area.right <= client.right - 22 && area.right >= client.right - 23;
    };
    EXPECT_TRUE(besideTheButton());
    edit->SetText(std::string(200, 'W'));
    edit->SetFocus();
    SendMessageA(edit->Handle(), EM_SETSEL, 200, 200);
    PumpMessages();
    Image24 shown = GrabClient(edit->Handle());
    TBitmap* cache = edit->Button().SkinData().CacheBitmap();
    ASSERT_TRUE(cache && !cache->Empty());
    ConstView24 button = cache->Pixels24();
    Rect b = edit->Button().BoundsRect();
    int inked = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            ASSERT_EQ(shown.At(b.left + x, b.top + y), button.At(x, y)) << x << "," << y;
            inked += !(button.At(x, y) == Rgb24{255, 255, 255});
        }
    EXPECT_GT(inked, 60) << "the glyph is there";
    EXPECT_LT(BoundsOfAllBut(shown, Rgb24{255, 255, 255}, {0, 0, b.left, client.bottom}).right, b.left + 1);
    // Typing, a font change and a skin change set the text area again.
    edit->Font().SetSize(10);
    SendMessageA(edit->Handle(), WM_KEYDOWN, VK_END, 1);
    EXPECT_TRUE(besideTheButton());
    SendSkinCommand(edit, scRepaint, 0, reinterpret_cast<LPARAM>(form->manager));
    EXPECT_TRUE(besideTheButton());
}

TEST_F(FilenameEditTest, TheGlyphShowsItsNormalHotAndPressedFrames)
{
    edit->SetReadOnly(true);  // the click opens no dialog
    TsEditButton& button = edit->Button();
    auto settlesIn = [&](int state) {
        return PumpUntil([&] { return button.StateIndex() == state && !button.RunningFade(); });
    };
    EXPECT_EQ(button.GlyphFrame(), 0);
    Rect b = button.BoundsRect();
    Point middle{b.left + 11, b.top + 8};
    MouseInput(edit->Handle(), middle);
    ASSERT_TRUE(settlesIn(1));
    EXPECT_EQ(button.GlyphFrame(), 1);
    MouseInput(edit->Handle(), middle, MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(settlesIn(2));
    EXPECT_EQ(button.GlyphFrame(), 2);
    // The pressed frame is drawn: its opaque pixels are the glyph's own.
    TBitmap* glyph = edit->GlyphMode().Current();
    ASSERT_NE(glyph, nullptr);
    ConstView24 strip = glyph->Pixels24();
    ConstView24 cache = button.SkinData().CacheBitmap()->Pixels24();
    int matched = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 20; ++x)
            if (strip.At(40 + x, 17 + y) == Rgb24{0, 0, 0}) {
                EXPECT_EQ(cache.At(x, y), strip.At(40 + x, y)) << x << "," << y;
                ++matched;
            }
    EXPECT_GT(matched, 40);
    MouseInput(edit->Handle(), middle, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(settlesIn(1)) << "released, still under the pointer";
    EXPECT_EQ(button.GlyphFrame(), 1);
    MouseInput(form->Handle(), {5, 150});
    ASSERT_TRUE(settlesIn(0));
    EXPECT_EQ(button.GlyphFrame(), 0);
}

// The frames a fade paints, counted by the repaints it asks for.
TEST_F(FilenameEditTest, TheButtonFadesWithTheSectionsIterationsHalvedForAPress)
{
    edit->SetReadOnly(true);
    TsEditButton& button = edit->Button();
    Rect b = button.BoundsRect();
    Point middle{b.left + 11, b.top + 8};
    // Each frame reaches the screen: what the screen shows of the button
    // right after its paint is the timer's frame.
    int frames = 0, framesOnScreen = 0;
    TChainLink spy;
    spy = button.MessageChain().Push(TLinkRole::tlForeign, &frames, [&](TMessage& m) {
        if (m.Msg == SM_SKINCMD && SkinCmdOf(m.WParam) == scSetUpdating)
            ++frames;
        spy.CallBelow(m);
        if (m.Msg == WM_PAINT && button.RunningFade()) {
            Image24 screen = GrabClientAsIs(edit->Handle());
            View24 frame = button.RunningFade()->Frame().Pixels24();
            if (screen.At(middle.x, middle.y) == frame.At(11, 8) && screen.At(b.left + 3, b.top + 3) == frame.At(3, 3))
                ++framesOnScreen;
        }
    });
    MouseInput(edit->Handle(), middle);
    ASSERT_TRUE(PumpUntil([&] { return button.RunningFade() != nullptr; }));
    ASSERT_TRUE(FadeEnds());
    EXPECT_EQ(frames, 10) << "SPEEDBUTTON: FADINGITERATIONS=10";
    EXPECT_EQ(framesOnScreen, 10);
    frames = 0;
    MouseInput(edit->Handle(), middle, MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return button.StateIndex() == 2; }));
    ASSERT_TRUE(FadeEnds());
    EXPECT_EQ(frames, 5);
    MouseInput(edit->Handle(), middle, MOUSEEVENTF_LEFTUP);
    FadeEnds();
}

TEST_F(FilenameEditTest, TheFrameComesFromTheSkinAndGoesBackWhenTheSkinIsRemoved)
{
    TBitmap* cache = edit->SkinData().CacheBitmap();
    ASSERT_TRUE(cache && !cache->Empty()) << "the frame was painted from the skin";
    EXPECT_EQ(cache->Width(), 467);
    form->manager->SetActive(false);
    PumpMessages();
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_EQ(edit->Font().Color(), clWindowText);
    EXPECT_FALSE(edit->SkinData().IsSkinned());
    form->manager->SetActive(true);
    PumpMessages();
    EXPECT_EQ(ColorToRGB(edit->Color()), 0xFFFFFFu);
    EXPECT_EQ(edit->Font().Color(), 4276545);
}

// The button's look as it paints it now (the edit idle, the pointer away).
Image24 IdleButton(TsEditButton& button)
{
    button.InvalidateLook();
    PumpMessages();
    return CopyImage(button.SkinData().CacheBitmap()->Pixels24());
}

// The opaque pixels of the glyph's normal frame, where the button draws them.
std::vector<Point> OpaqueGlyphPixels(TsFilenameEdit* edit)
{
    ConstView24 strip = edit->GlyphMode().Current()->Pixels24();
    Point at = EditGlyphPosition({edit->Button().Width(), edit->Button().Height()}, {20, 17});
    std::vector<Point> opaque;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 20; ++x)
            if (strip.At(x, 17 + y) == Rgb24{0, 0, 0})
                opaque.push_back({at.x + x, at.y + y});
    return opaque;
}

bool IsGrey(Rgb24 p)
{
    return p.r == p.g && p.g == p.b;
}

TEST_F(FilenameEditTest, AnIdleGlyphIsGreyedOrBlendedAndADisabledEditDimsItsButton)
{
    TsEditButton& button = edit->Button();
    const std::vector<Point> opaque = OpaqueGlyphPixels(edit);
    ASSERT_GT(opaque.size(), 40u);
    ConstView24 strip = edit->GlyphMode().Current()->Pixels24();
    const Point at = opaque.front();
    const Point first = EditGlyphPosition({button.Width(), button.Height()}, {20, 17});
    Image24 normal = IdleButton(button);
    int colourful = 0;
    for (Point p : opaque) {
        ASSERT_EQ(normal.At(p.x, p.y), strip.At(p.x - first.x, p.y - first.y));
        colourful += !IsGrey(normal.At(p.x, p.y));
    }
    ASSERT_GT(colourful, 20);

    edit->GlyphMode().SetGrayed(true);
    Image24 grayed = IdleButton(button);
    for (Point p : opaque) {
        Image24 one(1, 1);
        one.At(0, 0) = strip.At(p.x - first.x, p.y - first.y);
        MakeGray(one.View());
        EXPECT_EQ(grayed.At(p.x, p.y), one.At(0, 0)) << p.x << "," << p.y;
    }
    edit->GlyphMode().SetGrayed(false);

    // The face alone: a glyph of the same size whose mask hides every pixel.
    Image24 hidden(60, 34);
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 60; ++x)
            hidden.At(x, y) = y < 17 ? PureRed : Rgb24{255, 255, 255};
    edit->GlyphMode().SetGlyph(hidden.View());
    Image24 face = IdleButton(button);
    edit->GlyphMode().SetUseDefaultGlyph(true);
    edit->GlyphMode().SetBlend(50);
    Image24 blended = IdleButton(button);
    for (Point p : opaque) {
        Rgb24 s = normal.At(p.x, p.y), d = face.At(p.x, p.y), got = blended.At(p.x, p.y);
        auto half = [](int sc, int dc) { return sc - (sc - dc) / 2.0; };
        EXPECT_NEAR(got.r, half(s.r, d.r), 1.0) << p.x << "," << p.y;
        EXPECT_NEAR(got.g, half(s.g, d.g), 1.0);
        EXPECT_NEAR(got.b, half(s.b, d.b), 1.0);
    }
    edit->GlyphMode().SetBlend(0);

    auto contrast = [&](const Image24& look) {
        Rgb24 base = look.At(at.x, button.Height() - 3);
        long sum = 0;
        for (Point p : opaque) {
            Rgb24 c = look.At(p.x, p.y);
            sum += std::abs(c.r - base.r) + std::abs(c.g - base.g) + std::abs(c.b - base.b);
        }
        return sum;
    };
    edit->SetEnabled(false);
    Image24 disabled = IdleButton(button);
    EXPECT_LT(contrast(disabled), contrast(normal) / 2) << "blended toward what lies behind";
    EXPECT_GT(contrast(disabled), 0);
    edit->SetDisabledKind(dkGrayed);
    Image24 greyed = IdleButton(button);
    for (int y = 0; y < greyed.Height(); ++y)
        for (int x = 0; x < greyed.Width(); ++x)
            ASSERT_TRUE(IsGrey(greyed.At(x, y))) << x << "," << y;
}

TEST_F(FilenameEditTest, WithItsDropSupportOnTheEditTakesDroppedFilesItself)
{
    EXPECT_FALSE(GetWindowLongA(edit->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "off by default";
    std::vector<std::string> dropped;
    edit->OnDropFiles = [&](TComponent* sender, const std::vector<std::string>& files) {
        EXPECT_EQ(sender, edit);
        dropped = files;
    };
    edit->SetAcceptFiles(true);
    EXPECT_TRUE(GetWindowLongA(edit->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "a drop target now";
    std::string path = dir.Path() + "\\dropped file.txt";
    PostMessageA(edit->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({path, "C:\\second.txt"})), 0);
    PumpMessages();
    EXPECT_EQ(dropped, (std::vector<std::string>{path, "C:\\second.txt"}));
    edit->SetAcceptFiles(false);
    EXPECT_FALSE(GetWindowLongA(edit->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

}  // namespace
