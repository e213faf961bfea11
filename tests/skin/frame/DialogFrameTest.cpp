// The frame of a dialog window of the system: its kind from the style bits,
// and the geometry, buttons and hit codes derived from it.

#include <gtest/gtest.h>

#include "skin/frame/DialogFrame.h"

namespace {

namespace ds = dialogstyle;

constexpr TsSystemFrameMetrics kMetrics{18, 14, 3, 3, 4, 4, 19};
constexpr uint32_t kMessageBox = ds::Popup | ds::Caption | ds::SysMenu | ds::ModalFrame;
constexpr uint32_t kOpenDialog = ds::Popup | ds::Caption | ds::SysMenu | ds::ThickFrame | ds::ModalFrame;

TsCaptionImages BigImages()
{
    TsCaptionImages images;
    images.closeWidth = images.maximizeWidth = images.minimizeWidth = images.helpWidth = 18;
    images.closeValid = images.maximizeValid = images.minimizeValid = images.helpValid = true;
    images.buttonHeight = 19;
    images.skinSpacing = 5;  // dialogs leave it out
    return images;
}

// The error box under Wine: 276 x 107 with a client of 270 x 80, no icon.
TsDialogFrameFacts MessageBoxFacts()
{
    TsDialogFrameFacts d;
    d.kind = DialogFrameKind(kMessageBox);
    d.style = kMessageBox;
    d.currentStyle = kMessageBox & ~ds::SysMenu;
    d.window = {276, 107};
    d.client = {270, 80};
    return d;
}

TEST(DialogFrameKind, FollowsTheStyleBits)
{
    EXPECT_EQ(DialogFrameKind(kMessageBox), dfDialog);
    EXPECT_EQ(DialogFrameKind(kOpenDialog), dfSizeable) << "a sizing border wins over the modal frame";
    EXPECT_EQ(DialogFrameKind(ds::Popup | ds::Border), dfNone) << "a popup without a caption";
    EXPECT_EQ(DialogFrameKind(ds::Popup | ds::DlgFrame | ds::ThickFrame), dfNone);
    EXPECT_EQ(DialogFrameKind(ds::Caption), dfSizeable) << "a child dialog with a caption and nothing else";
    EXPECT_EQ(DialogFrameKind(ds::Caption | ds::ModalFrame), dfDialog);
}

TEST(DialogFrameGeometry, AMessageBoxHasADialogFrameOneCloseButtonAndNoSpacing)
{
    TsFrameGeometry g = ComputeDialogGeometry(MessageBoxFacts(), kMetrics, BigImages());
    EXPECT_EQ(g.captionHeight, 18);
    EXPECT_EQ(g.frameWidth, 3);
    EXPECT_EQ(g.frameHeight, 3);
    EXPECT_EQ(g.headerHeight, 107 - 80 - 3);
    EXPECT_EQ(g.clientOffset, (Point{3, 24}));
    EXPECT_EQ(g.iconWidth, 0) << "no icon";
    EXPECT_EQ(g.buttonsWidth, 18);
    EXPECT_FALSE(g.maxVisible);
    EXPECT_FALSE(g.minVisible);

    TsDialogFrameFacts d = MessageBoxFacts();
    TsCaptionButtonLayout layout = LayoutCaptionButtons(g, DialogFrameState(d), BigImages(), DialogButtonRules(d));
    ASSERT_TRUE(layout[cbClose].shown);
    EXPECT_EQ(layout[cbClose].rect, (Rect{276 - 3 - 18, 1, 276 - 3, 20}));
    EXPECT_FALSE(layout[cbMaximize].shown);
}

TEST(DialogFrameGeometry, AnIconTakesTheSmallIconSizeAndMovesNothingElse)
{
    TsDialogFrameFacts d = MessageBoxFacts();
    d.hasIcon = true;
    d.smallIcon = {16, 16};
    TsFrameGeometry g = ComputeDialogGeometry(d, kMetrics, BigImages());
    EXPECT_EQ(g.iconWidth, 16);
    EXPECT_EQ(g.iconRect, (Rect{3, 2, 19, 18}));
    EXPECT_EQ(g.clientOffset, (Point{3, 24}));
}

TEST(DialogFrameGeometry, WithoutACaptionThereIsNoBand)
{
    TsDialogFrameFacts d = MessageBoxFacts();
    d.currentStyle = ds::Popup | ds::DlgFrame;
    d.hasIcon = true;
    TsFrameGeometry g = ComputeDialogGeometry(d, kMetrics, BigImages());
    EXPECT_EQ(g.captionHeight, 0);
    EXPECT_EQ(g.iconWidth, 0);
    EXPECT_EQ(g.headerHeight, 107 - 80);
}

TEST(DialogFrameRules, OnlyASizeableDialogMaximizesAndRestoreNeedsAMaximizeBox)
{
    TsDialogFrameFacts d = MessageBoxFacts();
    d.style |= ds::MaximizeBox | ds::MinimizeBox;
    TsCaptionButtonRules r = DialogButtonRules(d);
    EXPECT_FALSE(r.maxEnabled) << "a dialog frame does not maximize";
    EXPECT_TRUE(r.minEnabled);
    EXPECT_FALSE(r.restoreEnabled);
    EXPECT_FALSE(r.bigImages) << "kind 0 asks for the small images";

    d.kind = dfSizeable;
    EXPECT_TRUE(DialogButtonRules(d).maxEnabled);
    EXPECT_TRUE(DialogButtonRules(d).bigImages);
    d.maximized = true;
    EXPECT_FALSE(DialogButtonRules(d).maxEnabled);
    EXPECT_TRUE(DialogButtonRules(d).restoreEnabled);
    d.style &= ~ds::MaximizeBox;
    EXPECT_FALSE(DialogButtonRules(d).restoreEnabled);
}

TEST(DialogFrameHits, TheCaptionOfAMessageBoxHitsCloseTheIconAreaAndTheCaption)
{
    TsDialogFrameFacts d = MessageBoxFacts();
    TsCaptionImages images = BigImages();
    TsFrameGeometry g = ComputeDialogGeometry(d, kMetrics, images);
    TsFormFrameState f = DialogFrameState(d);
    TsCaptionButtonRules rules = DialogButtonRules(d);
    TsCaptionButtonLayout layout = LayoutCaptionButtons(g, f, images, rules);
    EXPECT_EQ(CaptionHitCode({265, 10}, g, f, layout, rules, 19), htSkinClose);
    EXPECT_EQ(CaptionHitCode({3, 10}, g, f, layout, rules, 19), htSkinSysMenu) << "the icon area without an icon";
    EXPECT_EQ(CaptionHitCode({100, 10}, g, f, layout, rules, 19), htSkinCaption);
    EXPECT_EQ(CaptionHitCode({100, 60}, g, f, layout, rules, 19), htNowhere);
}

}  // namespace
