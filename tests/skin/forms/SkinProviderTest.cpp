// Form skinning on the program's real windows: the frame, caption and client
// background from the skin, the window's shape, the caption buttons, the
// skin's own system menu, the About box's run-time provider, and the plain
// window that returns when the skin goes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "skin/forms/PopupMenuReader.h"
#include "skin/forms/RunTimeProviders.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/MaskHoleRuns.h"
#include "skin/paint/SkinItem.h"

namespace {

Image24 GrabWindow(HWND window)
{
    return GrabWindowAsIs(window);
}

Rgb24 ScreenPixel(HWND window, Point inWindow)
{
    RECT r;
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, r.left + inWindow.x, r.top + inWindow.y);
    ReleaseDC(nullptr, screen);
    return ToRgb24(c);
}

// A point of the window (window coordinates) as a point of its client area.
Point ClientPoint(HWND window, Point inWindow)
{
    RECT r;
    GetWindowRect(window, &r);
    POINT p{r.left + inWindow.x, r.top + inWindow.y};
    ScreenToClient(window, &p);
    return {p.x, p.y};
}

Point Centre(const Rect& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class SkinnedFormTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window = form->Handle();
        provider = form->sSkinProvider1;
        PumpMessages();
    }
    // Records the system commands the main window gets, swallowing SC_CLOSE.
    void SpyOnSystemCommands()
    {
        spy = form->MessageChain().Push(TLinkRole::tlForeign, this, [this](TMessage& m) {
            if (m.Msg == WM_SYSCOMMAND) {
                commands.push_back(UINT(m.WParam & 0xFFF0));
                if ((m.WParam & 0xFFF0) == SC_CLOSE) {
                    m.Result = 0;
                    return;
                }
            }
            spy.CallBelow(m);
        });
    }
    void TearDown() override
    {
        spy.Remove();
        ParkPointer();
        MainWindowTest::TearDown();
    }
    Rect ButtonPlace(TsCaptionButton b) const { return provider->Slot(b).Place; }

    HWND window = nullptr;
    TsSkinProvider* provider = nullptr;
    TChainLink spy;
    std::vector<UINT> commands;
};

}  // namespace

TEST_F(SkinnedFormTest, TheWindowHasNoSystemMenuStyleAndIsCutAtTheFramesKeyColourCorners)
{
    EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU);
    EXPECT_TRUE(provider->HadSystemMenu());
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, region.Get()), ERROR);
    const TsSkinModel& model = form->sSkinManager1->Model();
    const TsMaskData& border = *TsSectionRef::Resolve(&model, "FORM").Border();
    RECT r;
    GetWindowRect(window, &r);
    std::vector<Rect> runs;
    MaskHoleRuns(runs, r.right - r.left, border, false, 0);
    ASSERT_FALSE(runs.empty()) << "the internal skin's frame has cut corners";
    for (const Rect& run : runs)
        EXPECT_FALSE(PtInRegion(region.Get(), run.left, run.top)) << run.left << "," << run.top;
    EXPECT_TRUE(PtInRegion(region.Get(), (r.right - r.left) / 2, (r.bottom - r.top) / 2));
}

TEST_F(SkinnedFormTest, TheCaptionBandComesFromFormTitleAndTheClientFromTheFormSection)
{
    const TsSkinModel& model = form->sSkinManager1->Model();
    TsFrameGeometry g = provider->Geometry();
    Image24 band(g.formWidth, g.frameHeight + g.captionHeight);
    Image24 formLook(band.Width(), band.Height());
    PaintSkinItemFast(TsPaintTarget(formLook.View(), BgFromColor(0)), TsSectionRef::Resolve(&model, "FORM"),
                      formLook.View().Bounds(), 1, true);
    PaintSkinItemFast(TsPaintTarget(band.View(), BgFromImage(formLook.View(), 0, 0)),
                      TsSectionRef::Resolve(&model, "FORMTITLE"), band.View().Bounds(), 1, true);
    Image24 shot = GrabWindow(window);
    for (int x : {200, 250, 300})
        for (int y : {g.frameHeight + 2, g.frameHeight + g.captionHeight / 2})
            EXPECT_EQ(shot.At(x, y), band.At(x, y)) << x << "," << y;
    const TsGeneralData& formSection = model.Sections()[std::size_t(model.GetSectionIndex("FORM"))];
    Rgb24 client = ToRgb24(uint32_t(formSection.Color));
    EXPECT_EQ(ScreenPixel(window, {g.clientOffset.x + 240, g.clientOffset.y + 170}), client);
}

TEST_F(SkinnedFormTest, PressingCloseMovingOffAndReleasingDoesNotCloseReleasingOverItDoes)
{
    SpyOnSystemCommands();
    Point close = ClientPoint(window, Centre(ButtonPlace(cbClose)));
    Point caption = ClientPoint(window, {200, provider->Geometry().frameHeight + 8});
    MouseInput(window, close);
    EXPECT_EQ(provider->HotHitCode(), htSkinClose);
    EXPECT_EQ(provider->Slot(cbClose).State, 1);
    MouseInput(window, close, MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(provider->Slot(cbClose).State, 2);
    MouseInput(window, caption);
    MouseInput(window, caption, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(commands.empty() || commands.back() != SC_CLOSE);
    MouseInput(window, close);
    MouseInput(window, close, MOUSEEVENTF_LEFTDOWN);
    MouseInput(window, close, MOUSEEVENTF_LEFTUP);
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back(), UINT(SC_CLOSE));
}

TEST_F(SkinnedFormTest, TheMinimizeButtonMinimizes)
{
    Point minimize = ClientPoint(window, Centre(ButtonPlace(cbMinimize)));
    MouseInput(window, minimize);
    MouseInput(window, minimize, MOUSEEVENTF_LEFTDOWN);
    MouseInput(window, minimize, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(IsIconic(window));
    ShowWindow(window, SW_RESTORE);
    PumpMessages();
}

TEST_F(SkinnedFormTest, WhereAMaximizeButtonWouldBeIsCaptionAndADoubleClickThereChangesNothing)
{
    RECT before;
    GetWindowRect(window, &before);
    Rect minimize = ButtonPlace(cbMinimize);
    POINT p{before.left + minimize.left - 9, before.top + Centre(minimize).y};
    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTCAPTION);
    SendMessageA(window, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(p.x, p.y));
    PumpMessages();
    RECT after;
    GetWindowRect(window, &after);
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_EQ(after.right - after.left, before.right - before.left);
}

TEST_F(SkinnedFormTest, TheSkinsOwnSystemMenuOpensOnTheCaptionAndWithAltSpace)
{
    PopupMenuReader reader;
    Point caption = ClientPoint(window, {200, provider->Geometry().frameHeight + 8});
    MouseInput(window, caption, MOUSEEVENTF_RIGHTDOWN);
    MouseInput(window, caption, MOUSEEVENTF_RIGHTUP);
    PumpUntil([&] { return reader.seen; });
    ASSERT_TRUE(reader.seen);
    std::vector<std::string> texts;
    for (const MenuItemText& item : reader.items)
        texts.push_back(item.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Restore", "Move", "Size", "Minimize", "-", "Close\tAlt+F4"}));
    ASSERT_EQ(reader.items.size(), 6u);
    EXPECT_FALSE(reader.items[0].enabled) << "Restore";
    EXPECT_TRUE(reader.items[1].enabled) << "Move";
    EXPECT_FALSE(reader.items[2].enabled) << "Size";
    EXPECT_TRUE(reader.items[3].enabled) << "Minimize";

    PopupMenuReader keyboard;
    SendMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    EXPECT_TRUE(keyboard.seen) << "Alt+Space opens the skin's menu";
}

TEST_F(SkinnedFormTest, AltF4Closes)
{
    SpyOnSystemCommands();
    SetForegroundWindow(window);
    SendMessageA(window, WM_SYSKEYDOWN, VK_F4, 1 << 29);
    PumpMessages();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back(), UINT(SC_CLOSE));
}

TEST_F(SkinnedFormTest, ACaptionChangeShowsTheSkinnedCaptionAtOnce)
{
    SetWindowTextA(window, "Parivex 1.1 (changed)");
    // No messages handled: what the screen shows right after the change.
    TsFrameGeometry g = provider->Geometry();
    View24 cache = provider->SkinData().CacheBitmap()->Pixels24();
    Image24 shot = GrabWindow(window);
    int differing = 0;
    Rect where{1000, 1000, -1, -1};
    for (int y = g.frameHeight; y < g.frameHeight + g.captionHeight; ++y)
        for (int x = g.frameWidth; x < g.formWidth - g.frameWidth; ++x)
            if (shot.At(x, y) != cache.At(x, y)) {
                ++differing;
                where = {std::min(where.left, x), std::min(where.top, y), std::max(where.right, x), std::max(where.bottom, y)};
            }
    EXPECT_EQ(differing, 0) << "the caption band is the skin's; differs in " << where.left << "," << where.top << " - "
                            << where.right << "," << where.bottom;
    SetWindowTextA(window, "Parivex 1.1");
}

TEST_F(SkinnedFormTest, RemovingTheSkinRestoresThePlainWindow)
{
    form->sSkinManager1->SetActive(false);
    PumpMessages();
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU);
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(window, region.Get()), ERROR) << "no region";
    EXPECT_EQ(form->Color(), clBtnFace);
    form->sSkinManager1->SetActive(true);
    PumpMessages();
    EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU);
    EXPECT_NE(GetWindowRgn(window, region.Get()), ERROR);
}

TEST_F(SkinnedFormTest, TheAboutBoxIsSkinnedFromItsFirstShowingWithACloseButtonOnly)
{
    TsSkinProvider* about = nullptr;
    LONG style = 0;
    WhenVisible check(AboutBox->Handle(), [&] {
        PumpMessages();
        about = ProviderOf(AboutBox);
        style = GetWindowLongA(AboutBox->Handle(), GWL_STYLE);
        AboutBox->SetModalResult(mrOk);
    });
    AboutBox->ShowModal();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_TRUE(about->HadSystemMenu());
    EXPECT_FALSE(about->Slot(cbClose).Place.IsEmpty());
    EXPECT_TRUE(about->Slot(cbMinimize).Place.IsEmpty());
    EXPECT_TRUE(about->Slot(cbMaximize).Place.IsEmpty());
    EXPECT_EQ(about->Geometry().iconWidth, 0);
    EXPECT_EQ(RunTimeProviderCount(), 1);
}


TEST_F(SkinnedFormTest, ActivationsAndCaptionChangesLeaveNoObjectBehind)
{
    auto userObjects = [] { return int(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)); };
    auto round = [&](int i) {
        SendMessageW(window, WM_NCACTIVATE, i % 2, 0);
        form->SetCaption("Parivex " + std::to_string(i));
        UpdateWindow(window);
    };
    round(0);
    round(1);
    PumpMessages();
    int gdi = CountGdiObjects(), user = userObjects();
    for (int i = 0; i < 200; ++i)
        round(i);
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    form->SetCaption("Parivex 1.1");
    PumpMessages();
    EXPECT_LE(CountGdiObjects(), gdi + 1);
    EXPECT_LE(userObjects(), user + 1);
}

TEST_F(SkinnedFormTest, MinimizeInTheSystemMenuMinimizesTheWholeApplicationAndRestoringBringsItBack)
{
    // A window of the program that the main window does not own: only the application's minimizing hides it.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 40, 40, 80, 40, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(other);
    PumpMessages();
    {
        PopupMenuReader reader({"Minimize"});
        Point caption = ClientPoint(window, {200, provider->Geometry().frameHeight + 8});
        MouseInput(window, caption, MOUSEEVENTF_RIGHTDOWN);
        MouseInput(window, caption, MOUSEEVENTF_RIGHTUP);
        PumpUntil([&] { return IsIconic(window); });
        EXPECT_TRUE(reader.clicked);
    }
    EXPECT_TRUE(IsIconic(window));
    EXPECT_FALSE(IsWindowVisible(other)) << "the application went, not the main window alone";
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    PumpMessages();
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(other));
    DestroyWindow(other);
}
