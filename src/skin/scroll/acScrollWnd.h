#pragma once
// TacScrollWnd: the scroll-bar layer of the window adapters. It hides the
// window system's scroll bars of a standard control and draws its own from
// the skin in their place: it reserves their room in the non-client area,
// hit-tests them, shows hot and pressed parts, repeats arrow and page
// scrolling on timers, drags the thumb, and drives the control with the
// WM_HSCROLL and WM_VSCROLL messages the system's bars would send. The
// control keeps its own scrolling state; the layer reads it, and sets only
// the position while a thumb is dragged.

#include <array>
#include <memory>

#include "skin/adapters/acMainWnd.h"
#include "skin/layout/ScrollBarGeometry.h"
#include "skin/paint/ScrollBarPaint.h"
#include "skin/scroll/acScrollBar.h"

class TacScrollWnd : public TacMainWnd {
public:
    TacScrollWnd(HWND window, const std::string& section, TsSkinManager* manager, TsCommonData* skinData);
    ~TacScrollWnd() override;

    TacScrollBar& Bar(TsBarKind kind) { return *bars_[std::size_t(kind)]; }
    TacScrollBar& HorizontalBar() { return Bar(kBarHorizontal); }
    TacScrollBar& VerticalBar() { return Bar(kBarVertical); }
    // Frame widths, thicknesses and visibilities of the last non-client calculation.
    const TsBarsLayout& BarsLayout() const { return layout_; }
    bool BarVisible(TsBarKind kind) const { return kind == kBarHorizontal ? layout_.HVisible : layout_.VVisible; }

    // While set, WM_STYLECHANGED is answered 0 and goes no further.
    bool IgnoreStyleChange = false;
    // The layer is itself sending a scroll message to the window.
    bool Busy = false;
    // A thumb of this window is being dragged.
    bool Dragging = false;

    // The bar's rectangle in screen coordinates.
    Rect BarRect(TsBarKind kind) const;
    // The platform reports the bar itself as available.
    bool BarEnabled(TsBarKind kind) const;
    TsThumb ThumbMetrics(TsBarKind kind, const Rect& bar) const;
    TsBarPart PartAt(TsBarKind kind, const Rect& bar, Point p) const;
    // One bar into a window DC (rect in window coordinates).
    void PaintBar(TsBarKind kind, HDC dc, const Rect& rect, int shownPressedPart);
    // Both bars and the box between them; without a DC into the window's own.
    void PaintBars(HDC dc = nullptr);
    // Reads both bars' state again and, with repaint, paints them.
    void RefreshBars(bool repaint);
    // Drives the window as the system's bar would, between commands 51 and 52.
    void SendScroll(UINT message, int code, int position);

    void WndProc(TMessage& m) override;

    // The arrow length of the system's bars (SM_CXHSCROLL), read once.
    static int DefaultArrow();

protected:
    void BeforeSubclass() override;
    void AfterSubclass(bool subclass) override;
    void DetachLayer() override;

private:
    void ResolveBarSkins();
    void RecalculateFrame();
    bool HandleLayerMessage(TMessage& m);
    bool HandleBarMouse(TMessage& m);
    bool HandleFrameMessage(TMessage& m);
    bool HandleScrollingMessage(TMessage& m);
    bool HandleLayerCommand(TMessage& m);
    void CalcNonClientSize(TMessage& m);
    void HitTest(TMessage& m);
    bool InGripCorner() const;
    void NonClientMouseMove(TMessage& m);
    void HoverTick();
    void Press(TMessage& m);
    bool HeldMouseMove(Point pointer);
    void RepeatTick(UINT_PTR timer);
    void DragStep(Point pointer);
    void Release(bool releaseCapture);
    void Timer(TMessage& m);
    void StopTracking();
    // The bar painted with the pressed part shown in it (none when another bar is held).
    void RepaintBar(TsBarKind kind);
    void PaintDraggedBar(TsBarKind kind, int thumbStart);
    void ComposeBar(TsBarKind kind, HDC dc, const Rect& rect, const TsBarPlan& plan);
    void PaintCorner(HDC dc, const Rect& windowRect);
    TsBgSource BackgroundAt(const Rect& rect);
    Rect InWindow(const Rect& screen) const;
    int PaintedArrow(TsBarKind kind) const;

    std::array<std::unique_ptr<TacScrollBar>, 2> bars_;
    std::array<TsScrollBarSkin, 2> barSkins_;
    TBitmap cornerCanvas_;
    TsBarsLayout layout_;
    bool releasing_ = false;
};
