#pragma once
// TControl: anything with a place on a parent window. Every message a control
// receives goes through WindowProc, which runs the control's message chain:
// the links put into it (skin providers, adapters), then the control's own
// WndProc, which handles what it knows and passes the rest to DefaultHandler.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "gfx/Geometry.h"
#include "toolkit/Colors.h"
#include "toolkit/Component.h"
#include "toolkit/GraphicsObjects.h"
#include "toolkit/MessageChain.h"
#include "toolkit/Messages.h"

class TWinControl;
class TCustomForm;

enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1,
    csCaptureMouse = 2,
    csClickEvents = 4,
    csOpaque = 8,
    csSetCaption = 16,
    csDoubleClicks = 32,
};

enum TControlStateFlag : unsigned {
    csLButtonDown = 1,
    csClicked = 2,
    csCreating = 4,
    csFocusing = 8,
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// Reading order of a control's text; every mode but bdLeftToRight reads right to left.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;

using TMouseEvent = std::function<void(TComponent*, TMouseButton, TShiftState, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent*, TShiftState, int x, int y)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TCustomForm* ParentForm() const;

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    Rect BoundsRect() const { return bounds_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    virtual Rect ClientRect() const { return {0, 0, Width(), Height()}; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to the form visible too.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Caption and Text are the same string.
    virtual std::string Text() const { return text_; }
    virtual void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& text) { SetText(text); }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value) { showHint_ = value; parentShowHint_ = false; }
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);
    // ShowHint as it applies, taken from the parent while ParentShowHint is on.
    bool EffectiveShowHint() const;

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    TBiDiMode BiDiMode() const { return biDiMode_; }
    // Stores the mode and repaints: text and glyph placement read it at every paint.
    void SetBiDiMode(TBiDiMode mode);
    bool UseRightToLeftReading() const { return biDiMode_ != TBiDiMode::bdLeftToRight; }

    unsigned ControlStyle = 0;
    unsigned ControlState = 0;

    // The message from the top of the control's chain.
    void WindowProc(TMessage& m) { chain_->Dispatch(m); }
    TMessageChain& MessageChain() const { return *chain_; }
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    virtual void Invalidate();
    void Repaint();
    virtual void Update();

    Point ClientToScreen(Point p) const;
    Point ScreenToClient(Point p) const;
    // The control's origin in its parent's client coordinates.
    Point ClientOrigin() const;

    void Loaded() override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    virtual void Click();

    // The control's own message handling, at the bottom of its chain.
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void BoundsChanged() {}
    // Font or colour taken over from the parent.
    void TakeParentFont();
    void TakeParentColor();
    // Records bounds the window system changed (a moved or resized window).
    void UpdateBoundsRect(const Rect& r) { bounds_ = r; }

    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;

private:
    friend class TWinControl;
    void HandleMouse(TMessage& message);
    void FontChanged();

    std::shared_ptr<TMessageChain> chain_;
    TWinControl* parent_ = nullptr;
    Rect bounds_;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool takingParentFont_ = false;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
};

TShiftState KeysToShiftState(WPARAM keys);
HCURSOR CursorHandle(TCursor cursor);
