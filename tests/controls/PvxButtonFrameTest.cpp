#include <gtest/gtest.h>

#include "controls/PvxButtonFrame.h"

namespace {

constexpr Rect Client{0, 0, 75, 57};

TEST(PvxDrawState, DisabledWinsThenPressedThenHot)
{
    EXPECT_EQ(ChooseDrawState(false, true, true), TPvxDrawState::Disabled);
    EXPECT_EQ(ChooseDrawState(true, true, true), TPvxDrawState::Pressed);
    EXPECT_EQ(ChooseDrawState(true, false, true), TPvxDrawState::Hot);
    EXPECT_EQ(ChooseDrawState(true, false, false), TPvxDrawState::Normal);
    EXPECT_EQ(int(TPvxDrawState::Pressed), 4);
}

TEST(PvxClassicFrame, ContentRectanglesOfTheMainWindowButton)
{
    using S = TPvxDrawState;
    EXPECT_EQ(ClassicFrame(Client, S::Normal, false, false, false).content, (Rect{3, 3, 72, 54}));
    EXPECT_EQ(ClassicFrame(Client, S::Normal, false, true, true).content, (Rect{4, 4, 71, 53}));
    EXPECT_EQ(ClassicFrame(Client, S::Pressed, true, false, false).content, (Rect{4, 4, 73, 55}));
    EXPECT_EQ(ClassicFrame(Client, S::Pressed, true, true, true).content, (Rect{4, 4, 73, 55}))
        << "the active outline is not drawn while pressed";
    EXPECT_EQ(ClassicFrame(Client, S::Hot, true, false, false).content, (Rect{3, 3, 72, 54}));
}

TEST(PvxClassicFrame, OutlineWhenActiveOrFocusedButNotWhilePressed)
{
    using S = TPvxDrawState;
    EXPECT_FALSE(ClassicFrame(Client, S::Normal, false, false, false).outline);
    EXPECT_TRUE(ClassicFrame(Client, S::Normal, false, true, false).outline);
    EXPECT_TRUE(ClassicFrame(Client, S::Normal, false, false, true).outline);
    EXPECT_FALSE(ClassicFrame(Client, S::Pressed, true, true, true).outline);
    TPvxClassicFrame focused = ClassicFrame(Client, S::Normal, false, false, true);
    EXPECT_EQ(focused.edge, (Rect{1, 1, 74, 56}));
    EXPECT_FALSE(focused.focusRect) << "focused but not active: outline only";
}

TEST(PvxClassicFrame, FocusRectangleStaysFourPixelsInside)
{
    using S = TPvxDrawState;
    TPvxClassicFrame active = ClassicFrame(Client, S::Normal, false, true, true);
    ASSERT_TRUE(active.focusRect);
    EXPECT_EQ(active.focus, (Rect{4, 4, 71, 53}));
    TPvxClassicFrame pressed = ClassicFrame(Client, S::Pressed, true, true, true);
    ASSERT_TRUE(pressed.focusRect);
    EXPECT_EQ(pressed.focus, (Rect{4, 4, 71, 53}));
}

TEST(PvxClassicFrame, EdgeByState)
{
    using S = TPvxDrawState;
    EXPECT_EQ(ClassicFrame(Client, S::Normal, false, false, false).edgeKind, TPvxEdgeKind::Raised);
    EXPECT_EQ(ClassicFrame(Client, S::Hot, true, false, false).edgeKind, TPvxEdgeKind::Hot);
    EXPECT_EQ(ClassicFrame(Client, S::Pressed, true, false, false).edgeKind, TPvxEdgeKind::Sunken);
    EXPECT_EQ(ClassicFrame(Client, S::Disabled, true, false, false).edgeKind, TPvxEdgeKind::Hot)
        << "the pointer's edge shows on a disabled button too";
    EXPECT_EQ(ClassicFrame(Client, S::Normal, false, false, false).edge, Client);
}

TEST(PvxThemedFrame, PartOverhangsByOneAndContentIsTwoInside)
{
    TPvxThemedFrame frame = ThemedFrame(Client);
    EXPECT_EQ(frame.part, (Rect{-1, -1, 76, 58}));
    EXPECT_EQ(frame.content, (Rect{2, 2, 73, 55}));
}

TEST(PvxThemePushButtonState, DisabledOverPressedOverHotOverDefaulted)
{
    using S = TPvxDrawState;
    EXPECT_EQ(ThemePushButtonState(S::Normal, false, false), 1);
    EXPECT_EQ(ThemePushButtonState(S::Normal, true, false), 5);
    EXPECT_EQ(ThemePushButtonState(S::Hot, true, true), 2);
    EXPECT_EQ(ThemePushButtonState(S::Pressed, true, true), 3);
    EXPECT_EQ(ThemePushButtonState(S::Disabled, true, true), 4);
}

TEST(PvxButtonStyles, ThemeableAndTransparentStyles)
{
    using U = TPvxUserButtonStyle;
    for (U s : {U::ubsWin40Ext, U::ubsWin31, U::ubsWin40, U::ubsClassicBevel, U::ubsIntegrated})
        EXPECT_TRUE(IsThemeableStyle(s)) << int(s);
    for (U s : {U::ubsFlat, U::ubsOffice, U::ubsExplorer, U::ubsCombo})
        EXPECT_FALSE(IsThemeableStyle(s)) << int(s);
    for (U s : {U::ubsExplorer, U::ubsExplorerColored, U::ubsOfficeTransp})
        EXPECT_TRUE(IsTransparentStyle(s)) << int(s);
    EXPECT_FALSE(IsTransparentStyle(U::ubsWin40Ext));
    EXPECT_TRUE(UsesGlyphStyle(U::ubsNavigator));
    EXPECT_FALSE(UsesGlyphStyle(U::ubsWin40Ext));
}

}  // namespace
