// A skinned form's frame from the window's metrics: derived geometry, the
// caption buttons' places and the hit codes, for the program's two windows.

#include <gtest/gtest.h>

#include "skin/frame/CaptionButtons.h"
#include "skin/frame/FadeIn.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/frame/ScreenSnap.h"

namespace {

// Metrics as the window system reports them under Wine at 96 DPI.
constexpr TsSystemFrameMetrics kMetrics{18, 14, 3, 3, 4, 4, 19};

// The internal skin's big caption images: 18 x 19 frames, no spacing.
TsCaptionImages BigImages()
{
    TsCaptionImages images;
    images.closeWidth = images.maximizeWidth = images.minimizeWidth = images.helpWidth = 18;
    images.closeValid = images.maximizeValid = images.minimizeValid = images.helpValid = true;
    images.buttonHeight = 19;
    return images;
}

// The main window: bsSingle with a system menu and a minimize button, client 483 x 557.
TsFormFrameState MainWindow()
{
    TsFormFrameState f;
    f.style = TsFrameStyle::bsSingle;
    f.icons = fiSystemMenu | fiMinimize;
    f.window = {489, 581};
    f.client = {483, 557};
    return f;
}

// The About box: bsDialog, a close button only.
TsFormFrameState AboutBox()
{
    TsFormFrameState f;
    f.style = TsFrameStyle::bsDialog;
    f.icons = fiSystemMenu;
    f.window = {304, 280};
    f.client = {298, 256};
    return f;
}

TsCaptionButtonRules RulesOf(const TsFormFrameState& f)
{
    TsCaptionButtonRules r;
    r.minEnabled = (f.icons & fiMinimize) && !f.minimized;
    r.maxEnabled = (f.icons & fiMaximize) && !f.maximized;
    r.restoreEnabled = (f.icons & fiMaximize) && (f.maximized || f.minimized);
    return r;
}

int Hit(const TsFormFrameState& f, Point p)
{
    TsFrameGeometry g = ComputeFrameGeometry(f, kMetrics, BigImages());
    TsCaptionButtonLayout layout = LayoutCaptionButtons(g, f, BigImages(), RulesOf(f));
    return CaptionHitCode(p, g, f, layout, RulesOf(f), 19);
}

}  // namespace

TEST(FrameGeometry, TheMainWindowsFrame)
{
    TsFrameGeometry g = ComputeFrameGeometry(MainWindow(), kMetrics, BigImages());
    EXPECT_EQ(g.captionHeight, 18);
    EXPECT_EQ(g.frameWidth, 3) << "a single border has the fixed dialog frame";
    EXPECT_EQ(g.frameHeight, 3);
    EXPECT_EQ(g.headerHeight, 581 - 557 - 3);
    EXPECT_EQ(g.clientOffset, (Point{3, 21}));
    EXPECT_EQ(g.iconWidth, 16);
    EXPECT_EQ(g.iconRect, (Rect{3, 2, 19, 18}));
    EXPECT_FALSE(g.maxVisible);
    EXPECT_TRUE(g.minVisible);
    EXPECT_EQ(g.buttonsWidth, 36) << "close and minimize";
    TsCaptionButtonLayout layout = LayoutCaptionButtons(g, MainWindow(), BigImages(), RulesOf(MainWindow()));
    EXPECT_EQ(layout[cbClose].rect, (Rect{468, 1, 486, 20}));
    EXPECT_EQ(layout[cbMinimize].rect, (Rect{450, 1, 468, 20}));
    EXPECT_FALSE(layout[cbMaximize].shown);
    EXPECT_FALSE(layout[cbHelp].shown);
}

TEST(FrameGeometry, TheAboutBoxHasACloseButtonOnlyAndNoIcon)
{
    TsFrameGeometry g = ComputeFrameGeometry(AboutBox(), kMetrics, BigImages());
    EXPECT_EQ(g.frameWidth, 3);
    EXPECT_EQ(g.iconWidth, 0) << "no icon on a dialog frame";
    EXPECT_FALSE(g.maxVisible);
    EXPECT_FALSE(g.minVisible);
    EXPECT_EQ(g.buttonsWidth, 18);
    TsCaptionButtonLayout layout = LayoutCaptionButtons(g, AboutBox(), BigImages(), RulesOf(AboutBox()));
    EXPECT_EQ(layout[cbClose].rect, (Rect{283, 1, 301, 20}));
    EXPECT_FALSE(layout[cbMinimize].shown);
}

TEST(FrameGeometry, WithoutTheSystemMenuThereAreNoButtons)
{
    TsFormFrameState f = MainWindow();
    f.hadSystemMenu = false;
    TsFrameGeometry g = ComputeFrameGeometry(f, kMetrics, BigImages());
    EXPECT_EQ(g.buttonsWidth, 0);
    EXPECT_FALSE(LayoutCaptionButtons(g, f, BigImages(), RulesOf(f))[cbClose].shown);
}

TEST(FrameGeometry, TheAutomaticIconFollowsTheCaptionsHeight)
{
    EXPECT_EQ(CaptionIconSize(8), 0);
    EXPECT_EQ(CaptionIconSize(9), 8);
    EXPECT_EQ(CaptionIconSize(16), 8);
    EXPECT_EQ(CaptionIconSize(17), 16);
    EXPECT_EQ(CaptionIconSize(27), 16);
    EXPECT_EQ(CaptionIconSize(28), 32);
}

TEST(CaptionHitCodes, TheMainWindow)
{
    const TsFormFrameState f = MainWindow();
    EXPECT_EQ(Hit(f, {486, 5}), htSkinClose) << "the close button's right edge belongs to it";
    EXPECT_EQ(Hit(f, {470, 1}), htSkinClose);
    EXPECT_EQ(Hit(f, {470, 20}), htSkinClose) << "the band's bottom row too";
    EXPECT_EQ(Hit(f, {455, 10}), htSkinMinimize);
    EXPECT_EQ(Hit(f, {440, 10}), htSkinCaption) << "where a maximize button would be";
    EXPECT_EQ(Hit(f, {200, 10}), htSkinCaption);
    EXPECT_EQ(Hit(f, {3, 10}), htSkinSysMenu);
    EXPECT_EQ(Hit(f, {19, 10}), htSkinSysMenu);
    EXPECT_EQ(Hit(f, {200, 21}), htNowhere) << "below the band the form decides";
    EXPECT_EQ(Hit(f, {200, 300}), htNowhere);
}

TEST(CaptionHitCodes, TheAboutBoxAndAMaximizedWindow)
{
    EXPECT_EQ(Hit(AboutBox(), {3, 10}), htSkinSysMenu) << "x = FrameWidth with no icon";
    EXPECT_EQ(Hit(AboutBox(), {4, 10}), htSkinCaption);
    EXPECT_EQ(Hit(AboutBox(), {290, 10}), htSkinClose);
    EXPECT_EQ(Hit(AboutBox(), {270, 10}), htSkinCaption);

    TsFormFrameState maximized = MainWindow();
    maximized.style = TsFrameStyle::bsSizeable;
    maximized.icons = fiSystemMenu | fiMinimize | fiMaximize;
    maximized.maximized = true;
    EXPECT_EQ(Hit(maximized, {1, 300}), htSkinTransparent);
    EXPECT_EQ(Hit(maximized, {2, 300}), htNowhere);
    EXPECT_EQ(Hit(maximized, {489 - 4, 300}), htSkinTransparent);
    EXPECT_EQ(Hit(maximized, {489 - 5, 300}), htNowhere);
    EXPECT_EQ(Hit(maximized, {300, 581 - 4}), htSkinTransparent);
}

TEST(FadeIn, AHundredMillisecondsAreThirteenFrames)
{
    std::vector<int> weights = FadeInWeights(100);
    ASSERT_EQ(weights.size(), 13u);
    EXPECT_EQ(weights.front(), 255);
    EXPECT_EQ(weights[1], 234);
    EXPECT_EQ(weights.back(), 3);
    EXPECT_TRUE(FadeInWeights(7).empty());
    Image24 screen(1, 1, Rgb24{200, 100, 0}), form(1, 1, Rgb24{0, 100, 200}), frame(1, 1);
    BlendFadeInFrame(frame.View(), screen.View(), form.View(), 255);
    EXPECT_EQ(frame.At(0, 0), (Rgb24{199, 100, 0})) << "rounding down";
    BlendFadeInFrame(frame.View(), screen.View(), form.View(), -20);
    EXPECT_EQ(frame.At(0, 0), form.At(0, 0)) << "below 0 counts as 0";
}

TEST(ScreenSnap, EdgesCloserThanTheBufferSnapFromEitherSide)
{
    const Rect work{0, 0, 1000, 700};
    auto at = [&](int x, int y) { return SnapToWorkArea(Rect::FromSize(x, y, 300, 200), work, 10); };
    EXPECT_EQ(at(500, 300), (Point{500, 300})) << "far from every edge";
    EXPECT_EQ(at(9, 300), (Point{0, 300}));
    EXPECT_EQ(at(-9, 300), (Point{0, 300})) << "outside the area too";
    EXPECT_EQ(at(10, 300), (Point{10, 300})) << "the buffer itself is not closer";
    EXPECT_EQ(at(500, 505), (Point{500, 500})) << "the bottom edge, 5 below";
    EXPECT_EQ(at(691, 2), (Point{700, 0})) << "right and top at once";
    EXPECT_EQ(SnapToWorkArea(Rect::FromSize(5, 3, 995, 500), work, 10), (Point{0, 0}))
        << "left wins over right when both are close";
    EXPECT_EQ(SnapToWorkArea(Rect::FromSize(1002, 300, 300, 200), Rect{1000, 0, 2000, 700}, 10),
              (Point{1000, 300}))
        << "a second monitor's area";
}
