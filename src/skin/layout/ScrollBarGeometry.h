#pragma once
// The arithmetic of a skinned scroll bar, in one place for hit testing,
// dragging and painting: where the bars lie in a window, how long the thumb is
// and where it starts, which part lies under a point, and the scroll position
// a dragged thumb stands for. Pure functions; rectangles are in whatever
// coordinates the caller gives (screen or window), all in the same ones.

#include <cstdint>
#include <functional>

#include "gfx/Geometry.h"

// A bar's scrolling state as the platform reports it.
struct TsScrollInfo {
    int32_t Min = 0;
    int32_t Max = 0;
    uint32_t Page = 0;
    int32_t Pos = 0;
    int32_t TrackPos = 0;
};

enum TsBarKind : int { kBarHorizontal = 0, kBarVertical = 1 };

// Parts of a bar; codes 0 to 3 are also the scroll codes they send.
enum TsBarPart : int {
    kPartNone = -1,
    kPartFirstArrow = 0,
    kPartSecondArrow = 1,
    kPartTrackBefore = 2,
    kPartTrackAfter = 3,
    kPartThumb = 5,
};

constexpr int kMinThumb = 10;

// The thumb along a bar: its length and its first coordinate.
struct TsThumb {
    int Length = 0;
    int Start = 0;
};

// A bar along one axis: its first and past-the-end coordinates along, and
// across.
struct TsBarSpan {
    int Start = 0, End = 0;            // along
    int AcrossStart = 0, AcrossEnd = 0;
    int Length() const { return End - Start; }
};
TsBarSpan SpanOf(const Rect& bar, TsBarKind kind);
// The coordinate along the bar of a point.
int AlongOf(Point p, TsBarKind kind);

// Thumb length and start for a bar whose arrows are 'arrow' long:
// nPage 0 gives a thumb as long as an arrow; a range above 0x7FFFFFFE gives
// length 0 at offset 0; otherwise the page's share of the track, at least
// minThumb, placed by the position and clamped into the track.
TsThumb ThumbMetrics(const TsScrollInfo& info, const TsBarSpan& bar, int arrow, int minThumb = kMinThumb);

// The part under a point: the arrows (each half the bar when it is shorter
// than two arrows), the thumb, the track before and after it; kPartNone
// outside the bar across, and for the track and thumb when the thumb fills it.
TsBarPart PartAt(const TsScrollInfo& info, const Rect& bar, TsBarKind kind, Point p, int arrow,
                 int minThumb = kMinThumb);

// The frame of a window around its client area, scroll bars not counted.
struct TsFrameWidths {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// What the last non-client calculation decided about a window's bars.
struct TsBarsLayout {
    TsFrameWidths Frame;
    int HThickness = 0;  // of the horizontal bar (its height)
    int VThickness = 0;  // of the vertical bar (its width)
    bool HVisible = false;
    bool VVisible = false;
    bool BarsOnLeft = false;
};

// The client area left when the bars present take their room out of
// 'client' (the client area without bars): a bar gets it only when the
// client is at least its thickness across. Visibilities go into layout.
Rect ReserveBarRoom(const Rect& client, bool hPresent, bool vPresent, TsBarsLayout& layout);

// The bars and the box between them, from the window rectangle; a bar that
// is not visible counts with thickness 0.
Rect HorizontalBarRect(const Rect& window, const TsBarsLayout& layout);
Rect VerticalBarRect(const Rect& window, const TsBarsLayout& layout);
Rect BarRect(const Rect& window, const TsBarsLayout& layout, TsBarKind kind);
Rect CornerBoxRect(const Rect& window, const TsBarsLayout& layout);

// The corner box lies in the grip corner: the parent is a top-level window
// and the window's outer right (left with BarsOnLeft) and bottom edges lie on
// its client area's (all in screen coordinates).
bool IsGripCorner(const Rect& cornerBox, const TsBarsLayout& layout, bool parentIsTopLevel, const Rect& parentClient);

// Non-client hit codes the bars answer.
enum TsNcHit : int { kHitNowhere = 0, kHitHScroll = 6, kHitVScroll = 7, kHitBottomRight = 17, kHitOther = -1 };

// The hit code of a screen point: a visible bar answers its code when it is
// enabled and HTNOWHERE when not; the box between two bars answers
// HTBOTTOMRIGHT when it lies in the grip corner; anything else kHitOther (the
// window's own answer). enabled and gripCorner are asked only when needed.
TsNcHit BarHitTest(Point p, const Rect& window, const TsBarsLayout& layout,
                   const std::function<bool(TsBarKind)>& enabled, const std::function<bool()>& gripCorner);

// Thumb dragging along a bar whose rectangle was 'bar' when the drag began.
struct TsThumbDrag {
    int TrackStart = 0;  // the bar's start along + the arrow length
    int TrackEnd = 0;    // the bar's end along - the arrow length
    int ThumbSize = 0;
    int GrabOffset = 0;  // the pointer along minus the thumb start when the drag began
};
TsThumbDrag BeginThumbDrag(const TsScrollInfo& info, const Rect& bar, TsBarKind kind, Point grab, int arrow,
                           int minThumb = kMinThumb);
// Where the thumb starts for the pointer at 'along', kept inside the track.
int DraggedThumbStart(const TsThumbDrag& drag, int along);
// The scroll position a thumb starting at thumbStart stands for.
int32_t DraggedValue(const TsThumbDrag& drag, const TsScrollInfo& info, int thumbStart);
