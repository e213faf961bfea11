#pragma once
// TWinControl: a control with a window. Its window procedure hands every
// message to WindowProc. A windowed parent paints its windowless children in
// its own WM_PAINT, routes the mouse to them, and reflects the notifications
// it receives on behalf of a child window to that child (CN_BASE + message).

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Control.h"

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }

    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    static TWinControl* FromHandle(HWND window);

    const std::vector<TControl*>& Controls() const { return controls_; }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }
    // Every focusable windowed control below this one, in tab order.
    std::vector<TWinControl*> TabOrderList() const;

    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // Whether the control handles this navigation key itself rather than the form.
    virtual bool WantsKey(WPARAM key);

    // Offers a message to every control below this one, windowless ones too,
    // until one answers non-zero; returns that answer.
    LRESULT BroadcastUntilTaken(UINT msg, WPARAM wParam, LPARAM lParam);

    // Paints the windowless children into a DC of the client area (each with
    // the origin moved to it and clipped to it), as the control's own paint
    // does after its background; skin providers paint the background themselves.
    void PaintControls(HDC dc);
    // Paints one opaque windowless child straight into the client area, with
    // no invalidation and paint message round trip (a frame of an animation);
    // a child that is not opaque is repainted through its parent's paint.
    void PaintControlNow(TControl* control);

    // The windowless child under a client point, topmost first.
    TControl* ControlAtPos(Point p, bool allowDisabled) const;

    void SetBounds(int left, int top, int width, int height) override;
    Rect ClientRect() const override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool Showing() const override;
    void Invalidate() override;
    void Update() override;

    void Loaded() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

protected:
    struct TCreateParams {
        std::string WindowClass;     // registered under the toolkit class name
        const char* BaseClass = nullptr;  // a standard class to superclass, if any
        std::string Caption;
        DWORD Style = 0;
        DWORD ExStyle = 0;
        UINT ClassStyle = CS_DBLCLKS;
        int X = 0, Y = 0, Width = 0, Height = 0;
        HWND WndParent = nullptr;
    };
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // After the window exists: font, state the window keeps itself.
    virtual void InitializeWindow();
    void RecreateWnd();
    // Paints the client area (background already erased), before the windowless children.
    virtual void PaintWindow(HDC dc);
    bool IsStandardClass() const { return standardClass_; }

private:
    static LRESULT CALLBACK InitialWindowProc(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND window);
    void Detach();
    void ReflectToChild(TMessage& message, HWND child);
    void RouteMouse(TMessage& message);
    void HandlePaint(TMessage& message);
    void PaintControlAt(HDC dc, TControl* control);
    void HandleKeyDown(TMessage& message);
    void HandleChar(TMessage& message);
    void HandleSetCursor(TMessage& message);
    // The window procedure's handlers, each true when it took the message.
    bool HandlePaintMessage(TMessage& message);
    bool HandleChildNotification(TMessage& message);
    bool HandleInputMessage(TMessage& message);
    bool HandlePropertyChange(TMessage& message);
    void UpdateBoundsFromWindow();
    void FixupTabList();
    void AddTabOrderList(std::vector<TWinControl*>& list) const;
    void NotifyChildren(UINT msg);

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    bool standardClass_ = false;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    int loadingTabOrder_ = -1;
    bool tabStop_ = false;
    TControl* mouseCapture_ = nullptr;
    bool trackingLeave_ = false;
};

// A windowed control that paints itself on a canvas.
class TCanvas;
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    const char* ClassName() const override { return "TCustomControl"; }
    TCanvas& Canvas() { return *canvas_; }

protected:
    void PaintWindow(HDC dc) override;
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> canvas_;
};
