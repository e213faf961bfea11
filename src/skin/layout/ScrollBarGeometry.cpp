#include "skin/layout/ScrollBarGeometry.h"

#include <algorithm>

#include "skin/layout/MulDiv.h"

namespace {

constexpr uint32_t kLargestSpan = 0x7FFFFFFE;

// nMax - nMin as the platform's unsigned arithmetic sees it.
uint32_t SpanOf(const TsScrollInfo& info)
{
    return uint32_t(info.Max) - uint32_t(info.Min);
}

}  // namespace

TsBarSpan SpanOf(const Rect& bar, TsBarKind kind)
{
    if (kind == kBarHorizontal)
        return {bar.left, bar.right, bar.top, bar.bottom};
    return {bar.top, bar.bottom, bar.left, bar.right};
}

int AlongOf(Point p, TsBarKind kind)
{
    return kind == kBarHorizontal ? p.x : p.y;
}

TsThumb ThumbMetrics(const TsScrollInfo& info, const TsBarSpan& bar, int arrow, int minThumb)
{
    const int track = bar.Length() - 2 * arrow;
    const uint32_t span = SpanOf(info);
    TsThumb thumb;
    if (info.Page == 0)
        thumb.Length = arrow;
    else if (span > kLargestSpan)
        thumb.Length = 0;
    else
        thumb.Length = std::max(PlatformMulDiv(int32_t(info.Page), track, int32_t(span + 1)), minThumb);
    int offset = 0;
    if (span <= kLargestSpan) {
        // 32-bit arithmetic as the platform does it: a page beyond the range
        // makes the divisor 0 or negative, which the clamping absorbs.
        auto pages = int32_t(int64_t(span) - int64_t(std::max<uint32_t>(info.Page, 1)) + 1);
        auto moved = int32_t(int64_t(info.Pos) - int64_t(info.Min));
        offset = PlatformMulDiv(moved, track - thumb.Length, pages);
        offset = std::max(0, std::min(offset, track - thumb.Length));
    }
    thumb.Start = bar.Start + arrow + offset;
    return thumb;
}

TsBarPart PartAt(const TsScrollInfo& info, const Rect& bar, TsBarKind kind, Point p, int arrow, int minThumb)
{
    TsBarSpan span = SpanOf(bar, kind);
    int across = kind == kBarHorizontal ? p.y : p.x;
    if (across < span.AcrossStart || across >= span.AcrossEnd)
        return kPartNone;
    const int n = span.Length();
    const int along = AlongOf(p, kind);
    const int d = 2 * arrow < n ? arrow : n / 2;
    if (along >= span.Start && along < span.Start + d)
        return kPartFirstArrow;
    if (along >= span.End - d && along < span.End)
        return kPartSecondArrow;
    TsThumb thumb = ThumbMetrics(info, span, arrow, minThumb);
    if (thumb.Length >= n - 2 * arrow)
        return kPartNone;
    if (along >= thumb.Start && along < thumb.Start + thumb.Length)
        return kPartThumb;
    if (along >= span.Start + d && along < thumb.Start)
        return kPartTrackBefore;
    if (along >= thumb.Start + thumb.Length && along < span.End - d)
        return kPartTrackAfter;
    return kPartNone;
}

Rect ReserveBarRoom(const Rect& client, bool hPresent, bool vPresent, TsBarsLayout& layout)
{
    Rect r = client;
    layout.HVisible = hPresent && r.Height() >= layout.HThickness;
    if (layout.HVisible)
        r.bottom -= layout.HThickness;
    layout.VVisible = vPresent && r.Width() >= layout.VThickness;
    if (layout.VVisible) {
        if (layout.BarsOnLeft)
            r.left += layout.VThickness;
        else
            r.right -= layout.VThickness;
    }
    return r;
}

namespace {

int HThick(const TsBarsLayout& l)
{
    return l.HVisible ? l.HThickness : 0;
}

int VThick(const TsBarsLayout& l)
{
    return l.VVisible ? l.VThickness : 0;
}

// The left and right of the vertical bar's column (also the corner box's).
void VerticalColumn(const Rect& window, const TsBarsLayout& l, int& left, int& right)
{
    if (l.BarsOnLeft) {
        left = window.left + l.Frame.Left;
        right = left + VThick(l);
    } else {
        right = window.right - l.Frame.Right;
        left = right - VThick(l);
    }
}

}  // namespace

Rect HorizontalBarRect(const Rect& window, const TsBarsLayout& l)
{
    Rect r;
    r.left = window.left + l.Frame.Left + (l.BarsOnLeft ? VThick(l) : 0);
    r.right = window.right - l.Frame.Right - (l.BarsOnLeft ? 0 : VThick(l));
    r.bottom = window.bottom - l.Frame.Bottom;
    r.top = r.bottom - HThick(l);
    return r;
}

Rect VerticalBarRect(const Rect& window, const TsBarsLayout& l)
{
    Rect r;
    r.top = window.top + l.Frame.Top;
    r.bottom = window.bottom - l.Frame.Bottom - HThick(l);
    VerticalColumn(window, l, r.left, r.right);
    return r;
}

Rect BarRect(const Rect& window, const TsBarsLayout& layout, TsBarKind kind)
{
    return kind == kBarHorizontal ? HorizontalBarRect(window, layout) : VerticalBarRect(window, layout);
}

Rect CornerBoxRect(const Rect& window, const TsBarsLayout& l)
{
    Rect r;
    r.bottom = window.bottom - l.Frame.Bottom;
    r.top = r.bottom - HThick(l);
    VerticalColumn(window, l, r.left, r.right);
    return r;
}

bool IsGripCorner(const Rect& box, const TsBarsLayout& l, bool parentIsTopLevel, const Rect& parentClient)
{
    if (!parentIsTopLevel)
        return false;
    bool side = l.BarsOnLeft ? box.left - l.Frame.Left == parentClient.left
                             : box.right + l.Frame.Right == parentClient.right;
    return side && box.bottom + l.Frame.Bottom == parentClient.bottom;
}

TsNcHit BarHitTest(Point p, const Rect& window, const TsBarsLayout& l,
                   const std::function<bool(TsBarKind)>& enabled, const std::function<bool()>& gripCorner)
{
    if (l.HVisible && HorizontalBarRect(window, l).Contains(p))
        return enabled(kBarHorizontal) ? kHitHScroll : kHitNowhere;
    if (l.VVisible && VerticalBarRect(window, l).Contains(p))
        return enabled(kBarVertical) ? kHitVScroll : kHitNowhere;
    if (l.HVisible && l.VVisible && CornerBoxRect(window, l).Contains(p) && gripCorner())
        return kHitBottomRight;
    return kHitOther;
}

TsThumbDrag BeginThumbDrag(const TsScrollInfo& info, const Rect& bar, TsBarKind kind, Point grab, int arrow,
                           int minThumb)
{
    TsBarSpan span = SpanOf(bar, kind);
    TsThumb thumb = ThumbMetrics(info, span, arrow, minThumb);
    TsThumbDrag drag;
    drag.TrackStart = span.Start + arrow;
    drag.TrackEnd = span.End - arrow;
    drag.ThumbSize = thumb.Length;
    drag.GrabOffset = AlongOf(grab, kind) - thumb.Start;
    return drag;
}

int DraggedThumbStart(const TsThumbDrag& drag, int along)
{
    int p = std::max(along - drag.GrabOffset, drag.TrackStart);
    return std::min(p, drag.TrackEnd - drag.ThumbSize);
}

int32_t DraggedValue(const TsThumbDrag& drag, const TsScrollInfo& info, int thumbStart)
{
    int64_t range = int64_t(info.Max) - int64_t(info.Min);
    int moved = thumbStart - drag.TrackStart;
    if (range < 1)
        return moved;
    auto scrollable = int32_t(range - int64_t(info.Page) + 1);
    return info.Min + PlatformMulDiv(moved, scrollable, drag.TrackEnd - drag.TrackStart - drag.ThumbSize);
}
