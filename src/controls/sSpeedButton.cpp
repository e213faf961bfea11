#include "controls/sSpeedButton.h"

#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/ControlKinds.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/WinControl.h"

TsSpeedButton::TsSpeedButton(TComponent* owner)
    : TGraphicControl(owner), skinData_(std::make_unique<TsCommonData>(this, true, kKindSpeedButton))
{
    ControlStyle |= csOpaque | csCaptureMouse | csClickEvents;
    SetBounds(0, 0, 23, 22);
    skinData_->OwnerLoaded();
}

TsSpeedButton::~TsSpeedButton()
{
    Destroying();
    StopFade();
    delete fade_;
    fade_ = nullptr;
}

void TsSpeedButton::Loaded()
{
    TGraphicControl::Loaded();
    skinData_->OwnerLoaded();
}

TsAnimTimer* TsSpeedButton::RunningFade() const
{
    return fade_ && fade_->Fading() ? fade_ : nullptr;
}

int TsSpeedButton::StateIndex() const
{
    if (!Enabled())
        return 0;
    if (skinData_->MouseOver && (ControlState & csLButtonDown))
        return 2;
    return skinData_->MouseOver ? 1 : 0;
}

bool TsSpeedButton::ShowsDisabled() const
{
    return !Enabled() || (Parent() && !Parent()->Enabled());
}

void TsSpeedButton::InvalidateLook()
{
    skinData_->CacheInvalid = true;
    if (!RunningFade())
        Invalidate();
}

void TsSpeedButton::PrepareCache()
{
    if (!skinData_->IsSkinned() || Width() <= 0 || Height() <= 0)
        return;
    const int state = StateIndex();
    TBitmap& cache = skinData_->CacheOfSize(Width(), Height());
    View24 pixels = cache.Pixels24();
    TsBgSource behind = skinData_->ParentBackground();
    TsControlItemLook look;
    look.FillCentre = true;
    PaintControlItem(TsPaintTarget(pixels, behind), skinData_->Section(), pixels.Bounds(), state, look);
    PaintContent(cache.Pixels24(), state);
    if (ShowsDisabled())
        ApplyDisabledLook(cache.Pixels24(), DisabledLook(), skinData_->ControlColor(false), {}, behind);
    skinData_->CacheInvalid = false;
}

// A raised (pressed: sunken) button face of the system's colours.
void TsSpeedButton::PaintUnskinned()
{
    TBitmap face(std::max(Width(), 1), std::max(Height(), 1));
    RECT r{0, 0, Width(), Height()};
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(clBtnFace)));
    FillRect(face.Canvas().Handle(), &r, brush.Get());
    int state = StateIndex();
    PaintContent(face.Pixels24(), state);
    if (state != 0)
        DrawEdge(face.Canvas().Handle(), &r, state == 2 ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    face.DrawTo(Canvas().Handle(), 0, 0);
}

void TsSpeedButton::Paint()
{
    if (!skinData_->IsSkinned()) {
        PaintUnskinned();
        return;
    }
    if (TsAnimTimer* fade = RunningFade()) {
        fade->Frame().DrawTo(Canvas().Handle(), 0, 0);
        return;
    }
    TBitmap* cache = skinData_->CacheBitmap();
    if (skinData_->CacheInvalid || !cache || cache->Empty() || cache->Width() != Width() ||
        cache->Height() != Height())
        PrepareCache();
    cache = skinData_->CacheBitmap();
    if (cache && !cache->Empty())
        cache->DrawTo(Canvas().Handle(), 0, 0);
}

void TsSpeedButton::StopFade()
{
    if (fade_)
        fade_->Stop();
}

// As the skinned push button, by the manager's button animation: the last
// fully drawn look (the cache) fades into the new one over the section's
// frames; otherwise the new look shows at once.
void TsSpeedButton::ChangeLook(Change change)
{
    static constexpr TacButtonEvent events[] = {beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};
    bool animate = ManagerFadesOn(events[int(change)]) && LookCanFade(*skinData_) && Parent() &&
                   Parent()->HandleAllocated() && Showing();
    if (!animate) {
        StopFade();
        skinData_->CacheInvalid = true;
        Repaint();
        return;
    }
    if (!fade_)
        fade_ = new TsAnimTimer(this, *skinData_);
    fade_->Start(FadeFrameCount(*skinData_, change == Change::Down || change == Change::Up));  // the old look
    PrepareCache();  // the new look
}

bool TsSpeedButton::HandleSkinCommand(TMessage& m)
{
    switch (SkinCmdOf(m.WParam)) {
    case scSkinLoaded:
        if (reinterpret_cast<TsSkinManager*>(m.LParam) == skinData_->SkinManager())
            StopFade();
        break;
    case scSkinRemoved:
    case scRepaint:
        StopFade();
        skinData_->HandleSkinCommand(m);
        Invalidate();
        return true;
    case scStopFading:
        // The fade's last frame is the new look up to rounding: end on the look itself.
        if (RunningFade()) {
            StopFade();
            Repaint();
        }
        m.Result = 0;
        return true;
    case scMakeCache:
        PrepareCache();
        m.Result = 0;
        return true;
    default:
        break;
    }
    return skinData_->HandleSkinCommand(m);
}

void TsSpeedButton::WndProc(TMessage& m)
{
    if (m.Msg == SM_SKINCMD) {
        if (!HandleSkinCommand(m))
            TGraphicControl::WndProc(m);
        return;
    }
    bool wasOver = skinData_->MouseOver;
    if (skinData_->HandleStandardMessage(m))
        return;
    switch (m.Msg) {
    case CM_MOUSEENTER:
        TGraphicControl::WndProc(m);
        skinData_->MouseOver = true;
        if (Enabled() && !wasOver) {
            if (TBitmap* cache = skinData_->CacheBitmap(); cache && !cache->Empty())
                skinData_->CacheInvalid = false;
            ChangeLook(Change::Enter);
        }
        return;
    case CM_MOUSELEAVE:
        TGraphicControl::WndProc(m);
        if (Enabled() && wasOver)
            ChangeLook(Change::Leave);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        TGraphicControl::WndProc(m);
        if (Enabled())
            ChangeLook(Change::Down);
        return;
    case WM_LBUTTONUP: {
        // The click may open a modal window: the parent lets go of the mouse first.
        if (Parent() && Parent()->HandleAllocated() && GetCapture() == Parent()->Handle())
            ReleaseCapture();
        bool wasDown = ControlState & csLButtonDown;
        TGraphicControl::WndProc(m);
        if (Enabled() && wasDown && !IsDestroying())
            ChangeLook(Change::Up);
        return;
    }
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
        StopFade();
        skinData_->Updating = false;
        InvalidateLook();
        return;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}
