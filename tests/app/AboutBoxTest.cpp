#include <fstream>
#include <iterator>

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "toolkit/HintWindow.h"

namespace {

class AboutBoxTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        box = AboutBox;
        box->Show();
        PumpMessages();
    }
    void TearDown() override
    {
        box->Hide();
        MainWindowTest::TearDown();
    }
    // Moves the pointer over the box's panel at a point in panel coordinates.
    void MoveOverPanel(int x, int y)
    {
        SendMessageA(box->Panel1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        PumpMessages();
    }
    TAboutBox* box = nullptr;
};

TEST_F(AboutBoxTest, SettingsAndContents)
{
    EXPECT_EQ(WindowText(box->Handle()), "Parivex 1.1");
    EXPECT_EQ(box->ClientWidth(), 298);
    EXPECT_EQ(box->ClientHeight(), 253);
    LONG style = GetWindowLongA(box->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(box->sLabelFX1->Caption(), "Parivex 1.1");
    EXPECT_EQ(box->sLabel1->Caption(), "A Parivex utility");
    EXPECT_EQ(box->Comments->Caption(), DisplayAddress(PublisherAddress));
    EXPECT_EQ(box->Comments->Hint(), PublisherAddress);
    EXPECT_EQ(box->Image1->Hint(), PublisherAddress);
    EXPECT_EQ(box->Image1->Picture().Width(), 147);
    EXPECT_EQ(box->Image1->Picture().Height(), 110);
    EXPECT_EQ(box->sBitBtn1->Caption(), "OK");
    EXPECT_EQ(box->sBitBtn1->ModalResult(), mrOk);
    EXPECT_TRUE(box->sBitBtn1->Default());
    EXPECT_EQ(box->sBitBtn1->NumGlyphs(), 2);
    EXPECT_EQ(box->sBitBtn1->Glyph().Width(), 36);
}

TEST_F(AboutBoxTest, NoControlShowsItsHint)
{
    EXPECT_FALSE(box->Comments->EffectiveShowHint());
    EXPECT_FALSE(box->Image1->EffectiveShowHint());
    MoveOverPanel(80, 70);
    EXPECT_EQ(Application->MouseControl(), box->Comments);
    EXPECT_FALSE(Application->HintWindow()->IsShowing());
}

TEST_F(AboutBoxTest, TheLinkTurnsBlueWithAHandUnderThePointerAndBlackOnLeave)
{
    MoveOverPanel(80, 70);
    EXPECT_EQ(box->Comments->Font().Color(), clBlue);
    EXPECT_EQ(box->Comments->Cursor(), crHandPoint);

    MoveOverPanel(5, 190);
    EXPECT_EQ(box->Comments->Font().Color(), clBlack);
    EXPECT_EQ(box->Comments->Cursor(), crDefault);
}

TEST_F(AboutBoxTest, ThePictureShowsAHandButKeepsItsColours)
{
    MoveOverPanel(100, 120);
    EXPECT_EQ(Application->MouseControl(), box->Image1);
    EXPECT_EQ(box->Image1->Cursor(), crHandPoint);
    MoveOverPanel(5, 190);
    EXPECT_EQ(box->Image1->Cursor(), crDefault);
}

bool Dark(Rgb24 p)
{
    return p.r < 90 && p.g < 90 && p.b < 90;
}

TEST_F(AboutBoxTest, TheShadowedNameIsTransparentSoThePublisherLineShowsWhole)
{
    TsLabelFX* name = box->sLabelFX1;
    EXPECT_TRUE(name->Transparent());
    EXPECT_EQ(name->Margins().m1, -5);
    EXPECT_EQ(name->Margins().m2, 7);
    EXPECT_EQ(name->Font().Color(), 4276545) << "the skin's font colour";
    EXPECT_EQ(box->sLabel1->Font().Color(), 4276545);
    Rect line = box->Copyright->BoundsRect();
    name->Hide();
    Image24 alone = GrabClient(box->Panel1->Handle());
    name->Show();
    Image24 shown = GrabClient(box->Panel1->Handle());
    int ink = 0;
    for (int y = line.top; y < line.bottom; ++y)
        for (int x = line.left; x < line.right; ++x)
            if (Dark(alone.At(x, y))) {
                ++ink;
                EXPECT_TRUE(Dark(shown.At(x, y))) << "the name hides the publisher line at " << x << "," << y;
            }
    EXPECT_GT(ink, 40);
    // White caption over a grey shadow.
    Rect n = name->BoundsRect();
    EXPECT_GT(CountOf(shown, Rgb24{255, 255, 255}, n), 30);
}

// Replaces, for this test only, the handler of https addresses by one that
// writes the address it was asked to open into a file; the usual handler is
// put back afterwards. (Wine's shell reads the handler from the machine's
// classes, not from the user's.)
class AddressRecorder {
public:
    explicit AddressRecorder(const std::string& output) : output_(output)
    {
        RegCreateKeyExA(HKEY_CLASSES_ROOT, Key, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
        char previous[1024] = {};
        DWORD size = sizeof previous;
        hadPrevious_ = RegQueryValueExA(key_, nullptr, nullptr, nullptr,
                                        reinterpret_cast<BYTE*>(previous), &size) == ERROR_SUCCESS;
        previous_ = previous;
        Set("C:\\windows\\system32\\cmd.exe /c echo %1>\"" + output + "\"");
    }
    ~AddressRecorder()
    {
        if (hadPrevious_)
            Set(previous_);
        else
            RegDeleteValueA(key_, nullptr);
        RegCloseKey(key_);
    }
    // The recorded address once the handler has run (it runs as its own process).
    std::string Wait() const
    {
        for (int i = 0; i < 200; ++i) {
            std::ifstream in(output_);
            std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (!text.empty() && text.back() == '\n')
                return text.substr(0, text.find_last_not_of("\r\n ") + 1);
            Sleep(50);  // another process writes the file; nothing to wait on here
        }
        return {};
    }

private:
    void Set(const std::string& command)
    {
        RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       DWORD(command.size() + 1));
    }
    static constexpr const char* Key = "https\\shell\\open\\command";
    std::string output_;
    std::string previous_;
    bool hadPrevious_ = false;
    HKEY key_ = nullptr;
};

TEST_F(AboutBoxTest, ClickingTheLinkOrThePictureOpensTheAddressAndTheBoxStays)
{
    TempDir dir;
    for (int target = 0; target < 2; ++target) {
        std::string output = dir.PathOf("opened" + std::to_string(target) + ".txt");
        AddressRecorder recorder(output);
        int x = target == 0 ? 80 : 100, y = target == 0 ? 70 : 120;
        SendMessageA(box->Panel1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(box->Panel1->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        PumpMessages();
        std::string opened = recorder.Wait();
        EXPECT_NE(opened.find(PublisherAddress), std::string::npos) << "target " << target << ": " << opened;
        EXPECT_TRUE(IsWindowVisible(box->Handle()));
    }
}

}  // namespace

using AboutBoxModalTest = MainWindowTest;

TEST_F(AboutBoxModalTest, TheOkButtonIsHotWhileTheBoxIsOpenAndEnterClosesItWithOk)
{
    int stateWhileOpen = -1;
    WhenVisible answer(AboutBox->Handle(), [&] {
        PumpMessages();
        stateWhileOpen = AboutBox->sBitBtn1->StateIndex();
        PressKey(AboutBox->sBitBtn1->Handle(), VK_RETURN);
    });
    EXPECT_EQ(AboutBox->ShowModal(), mrOk);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(stateWhileOpen, kStateHot) << "the default button shows the hot look";
    EXPECT_TRUE(AboutBox->sBitBtn1->SkinData().IsSkinned());
}
