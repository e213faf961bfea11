// Scroll-bar geometry: thumb metrics, parts under a point, bar rectangles,
// the non-client room, hit codes and thumb dragging.

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "skin/layout/ScrollBarGeometry.h"

namespace {

constexpr int A = 17;  // arrow length (the system's scroll-bar arrow)

// A vertical bar 17 wide from y = 0 to y = length.
TsBarSpan Bar(int length, int start = 0)
{
    return {start, start + length, 0, A};
}

Rect VBar(int length, int top = 0)
{
    return {0, top, A, top + length};
}

}  // namespace

TEST(ThumbMetrics, AZeroPageGivesAThumbAsLongAsAnArrow)
{
    TsThumb t = ThumbMetrics(TsScrollInfo{0, 99, 0, 0}, Bar(200), A);
    EXPECT_EQ(t.Length, A);
    EXPECT_EQ(t.Start, A);
    // The offset then moves over the track less one arrow: 166 - 17 = 149 over 100 positions.
    EXPECT_EQ(ThumbMetrics(TsScrollInfo{0, 99, 0, 99}, Bar(200), A).Start, A + 149);
    EXPECT_EQ(ThumbMetrics(TsScrollInfo{0, 99, 0, 50}, Bar(200), A).Start, A + 75);  // 50 x 149 / 99 = 75.25
}

TEST(ThumbMetrics, ThePageShareOfTheTrackPlacedByThePosition)
{
    // 300 lines, 10 per page, in a 119-pixel bar: track 85, thumb 85 x 10 / 300 = 2.8 -> the minimum 10.
    TsThumb small = ThumbMetrics(TsScrollInfo{0, 299, 10, 0}, Bar(119), A);
    EXPECT_EQ(small.Length, kMinThumb);
    EXPECT_EQ(small.Start, A);
    // Position 145 of 290 scrollable over the free 75 pixels: 145 x 75 / 290 = 37.5 -> 38.
    EXPECT_EQ(ThumbMetrics(TsScrollInfo{0, 299, 10, 145}, Bar(119), A).Start, A + 38);
    EXPECT_EQ(ThumbMetrics(TsScrollInfo{0, 299, 10, 290}, Bar(119), A).Start, A + 75) << "the last page: track's end";
    // A page of a quarter of the range gives a quarter of the track.
    TsThumb quarter = ThumbMetrics(TsScrollInfo{0, 399, 100, 0}, Bar(234), A);
    EXPECT_EQ(quarter.Length, 50);
    EXPECT_EQ(ThumbMetrics(TsScrollInfo{0, 399, 100, 300}, Bar(234), A).Start, A + 150);
    // The bar's own start counts.
    EXPECT_EQ(ThumbMetrics(TsScrollInfo{0, 399, 100, 300}, Bar(234, 1000), A).Start, 1000 + A + 150);
}

TEST(ThumbMetrics, NeverShorterThanTenPixelsWithAPage)
{
    for (int length = 2 * A + 10; length < 400; length += 7)
        for (int max : {1, 9, 100, 10000, 1000000})
            for (unsigned page : {1u, 2u, 10u, 100u})
                EXPECT_GE(ThumbMetrics(TsScrollInfo{0, max, page, max / 2}, Bar(length), A).Length, kMinThumb)
                    << length << " " << max << " " << page;
}

TEST(ThumbMetrics, ARangeBeyond0x7FFFFFFEGivesNoThumbAtOffsetZero)
{
    TsThumb huge = ThumbMetrics(TsScrollInfo{INT_MIN, INT_MAX, 100, 0}, Bar(200), A);
    EXPECT_EQ(huge.Length, 0);
    EXPECT_EQ(huge.Start, A);
    TsThumb backwards = ThumbMetrics(TsScrollInfo{10, 5, 2, 7}, Bar(200), A);  // nMax < nMin is a huge unsigned span
    EXPECT_EQ(backwards.Length, 0);
    EXPECT_EQ(backwards.Start, A);
    EXPECT_EQ(ThumbMetrics(TsScrollInfo{10, 5, 0, 7}, Bar(200), A).Length, A) << "page 0 still gives an arrow's length";
    // 0x7FFFFFFE itself is still a range.
    EXPECT_GT(ThumbMetrics(TsScrollInfo{0, 0x7FFFFFFE, 0x40000000, 0}, Bar(200), A).Length, 0);
}

TEST(ThumbMetrics, AZeroDivisorIsAbsorbedByTheClamping)
{
    // span 9 with a page of 10: the divisor 9 - 10 + 1 is 0, MulDiv gives -1, clamped to 0.
    TsThumb t = ThumbMetrics(TsScrollInfo{0, 9, 10, 5}, Bar(200), A);
    EXPECT_EQ(t.Start, A);
    EXPECT_EQ(t.Length, 166);
    // A page beyond the range makes the divisor negative: still inside the track.
    EXPECT_EQ(ThumbMetrics(TsScrollInfo{0, 9, 50, 5}, Bar(200), A).Start, A);
}

TEST(ThumbMetrics, TheThumbStaysInsideTheTrackForEveryPosition)
{
    for (int length : {40, 60, 119, 446})
        for (unsigned page : {0u, 1u, 7u, 30u})
            for (int pos = -5; pos < 110; ++pos) {
                TsThumb t = ThumbMetrics(TsScrollInfo{0, 99, page, pos}, Bar(length), A);
                int track = length - 2 * A;
                if (t.Length > track)
                    continue;
                EXPECT_GE(t.Start, A) << length << " " << page << " " << pos;
                EXPECT_LE(t.Start + t.Length, length - A) << length << " " << page << " " << pos;
            }
}

TEST(PartAt, ArrowsThumbAndTrackInOrderAlongTheBar)
{
    TsScrollInfo info = TsScrollInfo{0, 399, 100, 100};  // thumb 50 long at A + 50 in a 234 bar
    Rect bar = VBar(234, 10);
    auto part = [&](int y) { return PartAt(info, bar, kBarVertical, {8, y}, A); };
    EXPECT_EQ(part(10), kPartFirstArrow);
    EXPECT_EQ(part(10 + A - 1), kPartFirstArrow);
    EXPECT_EQ(part(10 + A), kPartTrackBefore);
    EXPECT_EQ(part(10 + A + 49), kPartTrackBefore);
    EXPECT_EQ(part(10 + A + 50), kPartThumb);
    EXPECT_EQ(part(10 + A + 99), kPartThumb);
    EXPECT_EQ(part(10 + A + 100), kPartTrackAfter);
    EXPECT_EQ(part(244 - A - 1), kPartTrackAfter);
    EXPECT_EQ(part(244 - A), kPartSecondArrow);
    EXPECT_EQ(part(243), kPartSecondArrow);
    EXPECT_EQ(part(244), kPartNone) << "past the end";
    EXPECT_EQ(part(9), kPartNone);
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {A, 50}, A), kPartNone) << "beside the bar";
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {-1, 50}, A), kPartNone);
}

TEST(PartAt, EveryPixelOfALongBarBelongsToOnePartInOrder)
{
    for (int pos : {0, 37, 150, 300}) {
        TsScrollInfo info = TsScrollInfo{0, 399, 100, pos};
        Rect bar{5, 0, 305, A};  // horizontal
        std::vector<TsBarPart> seen;
        for (int x = 5; x < 305; ++x) {
            TsBarPart p = PartAt(info, bar, kBarHorizontal, {x, 3}, A);
            ASSERT_NE(p, kPartNone) << pos << " " << x;
            if (seen.empty() || seen.back() != p)
                seen.push_back(p);
        }
        std::vector<TsBarPart> expected{kPartFirstArrow};
        if (pos > 0)
            expected.push_back(kPartTrackBefore);
        expected.push_back(kPartThumb);
        if (pos < 300)
            expected.push_back(kPartTrackAfter);
        expected.push_back(kPartSecondArrow);
        EXPECT_EQ(seen, expected) << pos;
        TsThumb thumb = ThumbMetrics(info, SpanOf(bar, kBarHorizontal), A);
        EXPECT_EQ(PartAt(info, bar, kBarHorizontal, {thumb.Start, 3}, A), kPartThumb);
        EXPECT_EQ(PartAt(info, bar, kBarHorizontal, {thumb.Start + thumb.Length, 3}, A),
                  pos < 300 ? kPartTrackAfter : kPartSecondArrow);
    }
}

TEST(PartAt, ABarShorterThanTwoArrowsIsSplitAtTheMiddle)
{
    TsScrollInfo info = TsScrollInfo{0, 99, 10, 0};
    Rect bar = VBar(25);  // 2A = 34 > 25: each arrow gets 12
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {3, 0}, A), kPartFirstArrow);
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {3, 11}, A), kPartFirstArrow);
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {3, 12}, A), kPartNone) << "the odd middle pixel";
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {3, 13}, A), kPartSecondArrow);
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {3, 24}, A), kPartSecondArrow);
    Rect even = VBar(34);  // exactly two arrows: the arrows fill it, nothing between
    for (int y = 0; y < 34; ++y)
        EXPECT_EQ(PartAt(info, even, kBarVertical, {3, y}, A), y < 17 ? kPartFirstArrow : kPartSecondArrow) << y;
}

TEST(PartAt, AThumbThatFillsTheTrackLeavesOnlyTheArrows)
{
    TsScrollInfo info = TsScrollInfo{0, 9, 10, 0};  // everything in one page
    Rect bar = VBar(100);
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {3, 50}, A), kPartNone);
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {3, 5}, A), kPartFirstArrow);
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {3, 95}, A), kPartSecondArrow);
    // A bar with room for exactly the minimum thumb has no track either.
    EXPECT_EQ(PartAt(TsScrollInfo{0, 1000, 1, 500}, VBar(2 * A + kMinThumb), kBarVertical, {3, A + 2}, A), kPartNone);
}

TEST(PartAt, AHugeRangeHasOnlyTheTrackAfterTheEmptyThumb)
{
    TsScrollInfo info = TsScrollInfo{INT_MIN, INT_MAX, 5, 0};
    Rect bar = VBar(100);
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {3, A}, A), kPartTrackAfter);
    EXPECT_EQ(PartAt(info, bar, kBarVertical, {3, 99 - A}, A), kPartTrackAfter);
}

namespace {

TsBarsLayout Layout(bool h, bool v, bool left = false)
{
    TsBarsLayout l;
    l.Frame = {2, 2, 2, 2};
    l.HThickness = 17;
    l.VThickness = 16;
    l.HVisible = h;
    l.VVisible = v;
    l.BarsOnLeft = left;
    return l;
}

}  // namespace

TEST(BarRects, BothBarsAndTheCornerBoxInsideTheFrame)
{
    Rect window{100, 200, 567, 340};  // a 467 x 140 pane
    TsBarsLayout l = Layout(true, true);
    EXPECT_EQ(HorizontalBarRect(window, l), (Rect{102, 321, 549, 338}));
    EXPECT_EQ(VerticalBarRect(window, l), (Rect{549, 202, 565, 321}));
    EXPECT_EQ(CornerBoxRect(window, l), (Rect{549, 321, 565, 338}));
    TsBarsLayout left = Layout(true, true, true);
    EXPECT_EQ(HorizontalBarRect(window, left), (Rect{118, 321, 565, 338}));
    EXPECT_EQ(VerticalBarRect(window, left), (Rect{102, 202, 118, 321}));
    EXPECT_EQ(CornerBoxRect(window, left), (Rect{102, 321, 118, 338}));
}

TEST(BarRects, ABarThatIsNotVisibleCountsWithThicknessZero)
{
    Rect window{0, 0, 200, 100};
    TsBarsLayout onlyV = Layout(false, true);
    EXPECT_EQ(VerticalBarRect(window, onlyV), (Rect{182, 2, 198, 98})) << "down to the frame";
    EXPECT_TRUE(HorizontalBarRect(window, onlyV).IsEmpty());
    TsBarsLayout onlyH = Layout(true, false);
    EXPECT_EQ(HorizontalBarRect(window, onlyH), (Rect{2, 81, 198, 98})) << "across the whole width";
    EXPECT_EQ(BarRect(window, onlyH, kBarHorizontal), HorizontalBarRect(window, onlyH));
}

TEST(ReserveBarRoom, TheBarsTakeTheirRoomOnlyWhereTheClientHasIt)
{
    TsBarsLayout l = Layout(false, false);
    EXPECT_EQ(ReserveBarRoom({2, 2, 465, 138}, true, true, l), (Rect{2, 2, 449, 121}));
    EXPECT_TRUE(l.HVisible && l.VVisible);
    // Narrower than the vertical bar: no vertical bar, the horizontal one keeps its room.
    EXPECT_EQ(ReserveBarRoom({2, 2, 17, 138}, true, true, l), (Rect{2, 2, 17, 121}));
    EXPECT_TRUE(l.HVisible);
    EXPECT_FALSE(l.VVisible);
    // Exactly as high as the horizontal bar still takes it.
    EXPECT_EQ(ReserveBarRoom({0, 0, 100, 17}, true, false, l), (Rect{0, 0, 100, 0}));
    EXPECT_TRUE(l.HVisible);
    EXPECT_EQ(ReserveBarRoom({0, 0, 100, 16}, true, false, l), (Rect{0, 0, 100, 16}));
    EXPECT_FALSE(l.HVisible);
    TsBarsLayout left = Layout(false, false, true);
    EXPECT_EQ(ReserveBarRoom({2, 2, 465, 138}, false, true, left), (Rect{18, 2, 465, 138}));
    EXPECT_FALSE(left.HVisible);
}

TEST(BarHitTest, EnabledBarsAnswerTheirCodesDisabledOnesNowhere)
{
    Rect window{0, 0, 200, 100};
    TsBarsLayout l = Layout(true, true);
    bool hOn = true, vOn = true, grip = false;
    std::vector<TsBarKind> asked;
    auto enabled = [&](TsBarKind k) {
        asked.push_back(k);
        return k == kBarHorizontal ? hOn : vOn;
    };
    auto hit = [&](Point p) { return BarHitTest(p, window, l, enabled, [&] { return grip; }); };
    EXPECT_EQ(hit({50, 90}), kHitHScroll);
    EXPECT_EQ(hit({190, 50}), kHitVScroll);
    EXPECT_EQ(asked, (std::vector<TsBarKind>{kBarHorizontal, kBarVertical})) << "only the bar under the point";
    hOn = false;
    EXPECT_EQ(hit({50, 90}), kHitNowhere);
    vOn = false;
    EXPECT_EQ(hit({190, 50}), kHitNowhere);
    asked.clear();
    EXPECT_EQ(hit({50, 50}), kHitOther) << "the client area";
    EXPECT_EQ(hit({1, 50}), kHitOther) << "the frame";
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(hit({190, 90}), kHitOther) << "the corner box";
    grip = true;
    EXPECT_EQ(hit({190, 90}), kHitBottomRight) << "in the grip corner";
    l = Layout(false, false);
    EXPECT_EQ(hit({50, 90}), kHitOther);
    EXPECT_EQ(hit({190, 90}), kHitOther);
}

TEST(GripCorner, OnlyInTheBottomRightOfATopLevelParentsClientArea)
{
    Rect parent{10, 30, 510, 630};  // the parent's client area on the screen
    TsBarsLayout l = Layout(true, true);
    Rect window{310, 490, 510, 630};
    Rect box = CornerBoxRect(window, l);
    EXPECT_TRUE(IsGripCorner(box, l, true, parent));
    EXPECT_FALSE(IsGripCorner(box, l, false, parent)) << "a parent that is itself a child";
    EXPECT_FALSE(IsGripCorner(CornerBoxRect(window.Translated(-1, 0), l), l, true, parent));
    EXPECT_FALSE(IsGripCorner(CornerBoxRect(window.Translated(0, -1), l), l, true, parent));
    TsBarsLayout left = Layout(true, true, true);
    Rect atLeft{10, 490, 210, 630};
    EXPECT_TRUE(IsGripCorner(CornerBoxRect(atLeft, left), left, true, parent));
    EXPECT_FALSE(IsGripCorner(CornerBoxRect(window, left), left, true, parent));
}

TEST(ThumbDrag, TheThumbFollowsThePointerInsideTheTrack)
{
    TsScrollInfo info = TsScrollInfo{0, 399, 100, 100};  // thumb 50 at 17 + 50 in a 234 bar
    Rect bar = VBar(234, 100);
    TsThumbDrag drag = BeginThumbDrag(info, bar, kBarVertical, {5, 100 + A + 60}, A);
    EXPECT_EQ(drag.TrackStart, 100 + A);
    EXPECT_EQ(drag.TrackEnd, 334 - A);
    EXPECT_EQ(drag.ThumbSize, 50);
    EXPECT_EQ(drag.GrabOffset, 10);
    EXPECT_EQ(DraggedThumbStart(drag, 100 + A + 60), 100 + A + 50) << "not moved";
    EXPECT_EQ(DraggedThumbStart(drag, 0), 100 + A) << "held at the track's start";
    EXPECT_EQ(DraggedThumbStart(drag, 1000), 334 - A - 50) << "held at the track's end";
    // The track's free length 150 stands for the 300 scrollable positions.
    EXPECT_EQ(DraggedValue(drag, info, 100 + A), 0);
    EXPECT_EQ(DraggedValue(drag, info, 100 + A + 75), 150);
    EXPECT_EQ(DraggedValue(drag, info, 100 + A + 1), 2);
    EXPECT_EQ(DraggedValue(drag, info, 334 - A - 50), 300);
}

TEST(ThumbDrag, AnEmptyRangeGivesThePixelOffsetAndAFullTrackTheMinimum)
{
    TsScrollInfo empty = TsScrollInfo{5, 5, 0, 5};
    TsThumbDrag drag = BeginThumbDrag(empty, VBar(100), kBarVertical, {3, 20}, A);
    EXPECT_EQ(DraggedValue(drag, empty, A + 7), 7);
    // A divisor of 0 (the thumb fills the track): MulDiv's -1 on top of nMin.
    TsScrollInfo full = TsScrollInfo{10, 20, 11, 10};
    TsThumbDrag filled = BeginThumbDrag(full, VBar(100), kBarVertical, {3, 20}, A);
    ASSERT_EQ(filled.TrackEnd - filled.TrackStart - filled.ThumbSize, 0);
    EXPECT_EQ(DraggedValue(filled, full, A), 9);
}
