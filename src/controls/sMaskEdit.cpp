#include "controls/sMaskEdit.h"

#include "controls/sLabel.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinDistribution.h"
#include "skin/gdi/WindowBorder.h"
#include "skin/model/ControlKinds.h"

namespace {

// The whole window's device context, frame included.
class FrameDc {
public:
    explicit FrameDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    FrameDc(const FrameDc&) = delete;
    FrameDc& operator=(const FrameDc&) = delete;
    ~FrameDc()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

constexpr int kBoundLabelGap = 4;

}  // namespace

TsMaskEdit::TsMaskEdit(TComponent* owner) : TsMaskEdit(owner, kKindEditLike) {}

TsMaskEdit::TsMaskEdit(TComponent* owner, int controlKind)
    : TMaskEdit(owner), skinData_(std::make_unique<TsCommonData>(this, true, controlKind))
{
    skinData_->SetSkinSection("EDIT");
    skinData_->OwnerLoaded();
}

TsMaskEdit::~TsMaskEdit()
{
    Destroying();
    if (editLabel_) {
        editLabel_->ForgetEdit();
        delete editLabel_;
    }
}

void TsMaskEdit::Loaded()
{
    TMaskEdit::Loaded();
    skinData_->OwnerLoaded();
    if (boundLabel_.Active && !editLabel_)
        SetBoundLabelActive(true);
}

void TsMaskEdit::SetBoundLabelActive(bool active)
{
    boundLabel_.Active = active;
    if (IsLoading())
        return;
    if (!active) {
        delete editLabel_;
        editLabel_ = nullptr;
        return;
    }
    if (!editLabel_)
        editLabel_ = new TsEditLabel(Owner(), this);
    editLabel_->SetCaption(boundLabel_.Caption);
    editLabel_->Font().Assign(boundLabel_.Font);
    editLabel_->UseSkinColor = boundLabel_.UseSkinColor;
    editLabel_->SetParent(Parent());
    PlaceBoundLabel();
}

void TsMaskEdit::BoundLabelDestroyed(TsEditLabel* label)
{
    if (label == editLabel_)
        editLabel_ = nullptr;
}

// Left of the edit and centred on it, or above it at its left, centre or right.
void TsMaskEdit::PlaceBoundLabel()
{
    if (!editLabel_)
        return;
    int w = editLabel_->Width(), h = editLabel_->Height();
    if (boundLabel_.MaxWidth > 0 && w > boundLabel_.MaxWidth)
        w = boundLabel_.MaxWidth;
    int above = Top() - h - kBoundLabelGap / 2;
    switch (boundLabel_.Layout) {
    case TsCaptionLayout::sclLeft:
        editLabel_->SetBounds(Left() - w - kBoundLabelGap - boundLabel_.Indent, Top() + (Height() - h) / 2, w, h);
        break;
    case TsCaptionLayout::sclTopLeft:
        editLabel_->SetBounds(Left() + boundLabel_.Indent, above, w, h);
        break;
    case TsCaptionLayout::sclTopCenter:
        editLabel_->SetBounds(Left() + (Width() - w) / 2, above, w, h);
        break;
    case TsCaptionLayout::sclTopRight:
        editLabel_->SetBounds(Left() + Width() - w - boundLabel_.Indent, above, w, h);
        break;
    }
}

void TsMaskEdit::RedrawFrame()
{
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TsMaskEdit::LookChanged()
{
    skinData_->CacheInvalid = true;
    RedrawFrame();
}

// The frame comes from the border image into the cache, and its four bands
// go to the window; the client is the system edit's, in the section's colours.
void TsMaskEdit::PaintFrame()
{
    RECT window{}, client{};
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    Rect bounds{0, 0, window.right - window.left, window.bottom - window.top};
    int borderWidth = (bounds.Width() - client.right) / 2;
    FrameDc dc(Handle());
    Rect clientRect;
    TBitmap& cache = skinData_->CacheOfSize(bounds.Width(), bounds.Height());
    PaintWindowBorder(dc.Get(), bounds, borderWidth, clientRect, skinData_->IsHot() ? 1 : 0, skinData_->Section(),
                      skinData_->ControlColor(false), cache, skinData_->ParentBackground());
    skinData_->CacheInvalid = false;
}

bool TsMaskEdit::HasWindowlessChildren() const
{
    for (TControl* c : Controls())
        if (!dynamic_cast<TWinControl*>(c) && c->Visible())
            return true;
    return false;
}

void TsMaskEdit::ExcludeWindowlessChildren(HDC dc) const
{
    for (TControl* c : Controls()) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible())
            continue;
        Rect r = c->BoundsRect();
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

// The system edit paints its text with the windowless children clipped out,
// then the children paint themselves; while one of them repaints itself
// (a fade frame) only that child paints.
void TsMaskEdit::PaintClient(TMessage& m)
{
    PaintDc dc(Handle(), m.WParam);
    if (!skinData_->PaintingChild) {
        SaveDcGuard saved(dc.Get());
        ExcludeWindowlessChildren(dc.Get());
        TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0, 0};
        DefaultHandler(paint);
    }
    PaintControls(dc.Get());
    m.Result = 0;
}

void TsMaskEdit::EraseClient(TMessage& m)
{
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    SaveDcGuard saved(dc);
    ExcludeWindowlessChildren(dc);
    DefaultHandler(m);
}

bool TsMaskEdit::HandleOwnSkinCommand(TMessage& m)
{
    switch (SkinCmdOf(m.WParam)) {
    case scSkinLoaded:
    case scSkinRemoved:
    case scRepaint:
    case scStopFading:
        skinData_->HandleSkinCommand(m);
        PassToChildren(this, m.WParam, m.LParam);
        LookChanged();
        Invalidate();
        return true;
    default:
        return false;
    }
}

void TsMaskEdit::WndProc(TMessage& m)
{
    if (m.Msg == SM_SKINCMD) {
        if (!HandleOwnSkinCommand(m) && !skinData_->HandleSkinCommand(m))
            TMaskEdit::WndProc(m);
        return;
    }
    if (skinData_->HandleStandardMessage(m))
        return;
    switch (m.Msg) {
    case WM_NCPAINT:
        if (skinData_->IsSkinned() && HandleAllocated()) {
            PaintFrame();
            m.Result = 0;
            return;
        }
        break;
    case WM_PAINT:
        if (HasWindowlessChildren()) {
            PaintClient(m);
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (HasWindowlessChildren()) {
            EraseClient(m);
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_ENABLEDCHANGED:
        TMaskEdit::WndProc(m);
        LookChanged();
        return;
    case WM_MOVE:
    case WM_SIZE:
        TMaskEdit::WndProc(m);
        PlaceBoundLabel();
        return;
    default:
        break;
    }
    TMaskEdit::WndProc(m);
}
