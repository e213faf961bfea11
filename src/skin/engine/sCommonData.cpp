#include "skin/engine/sCommonData.h"

#include <algorithm>
#include <utility>
#include <vector>
#include <uxtheme.h>

#include "gfx/ColorBlend.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinDistribution.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/ControlKinds.h"
#include "skin/model/SkinIni.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/CornerRefill.h"
#include "toolkit/Application.h"
#include "toolkit/Edits.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"

namespace {

constexpr int32_t kNoColor = 0xFF00FF;

int32_t Rgb(TColor color)
{
    return ResolveSkinColor(int32_t(color));
}

// Transparency, gradient and image percents of a state.
struct Share {
    int transparency, gradient, image;
};
Share SharesOf(const TsGeneralData& s, bool hot)
{
    if (hot)
        return {s.HotTransparency, s.HotGradientPercent, s.HotImagePercent};
    return {s.Transparency, s.GradientPercent, s.ImagePercent};
}

int BorderSum(const TsMaskData* border)
{
    if (!border)
        return 0;
    BorderWidths w = MaskBorderWidths(*border);
    return w.left + w.top + w.right + w.bottom;
}

uint16_t ComputeFillFlags(const TsGeneralData& s)
{
    uint16_t flags = s.ImagePercent != 0 ? 4 : 0;
    if (s.GradientPercent != 0 && !s.GradientArray.empty()) {
        switch (s.GradientArray.front().Mode) {
        case 0: flags |= 2; break;
        case 1: flags |= 1; break;
        case 2: flags |= 3; break;
        default: break;
        }
    }
    return flags;
}

bool IsBeingCreated(const TControl* c)
{
    return c->ControlState & csCreating;
}

TWinControl* WindowedParent(const TControl* c)
{
    return c ? c->Parent() : nullptr;
}

}  // namespace

TsCommonData::TsCommonData(TComponent* owner, bool createCache, int controlKind)
    : owner_(owner), controlKind_(controlKind)
{
    ownerControl_ = dynamic_cast<TControl*>(owner);
    colorControl_ = ownerControl_;
    if (createCache)
        cache_ = std::make_unique<TBitmap>();
}

TsCommonData::~TsCommonData() = default;

TsSkinManager* TsCommonData::SkinManager() const
{
    return manager_ ? manager_ : DefaultManager();
}

bool TsCommonData::UsesManager(LPARAM lParam) const
{
    return reinterpret_cast<TsSkinManager*>(lParam) == SkinManager();
}

void TsCommonData::SetSkinSection(const std::string& section)
{
    std::string stored = section.empty() ? std::string("UNKNOWN") : UpperCaseAscii(section);
    if (stored == skinSection_)
        return;
    skinSection_ = stored;
    TsSkinManager* manager = SkinManager();
    if (manager && !manager->Model().Sections().empty())
        ResolveIndexes();
    else
        section_ = {};
    if (!ownerControl_ || !ownerControl_->Parent() || ownerControl_->IsLoading() || ownerControl_->IsDestroying())
        return;
    bool valid = manager && manager->Model().IsValidSectionIndex(section_.Index);
    SendSkinCommand(ownerControl_, valid ? scRepaint : scSkinRemoved, 0, reinterpret_cast<LPARAM>(manager));
}

void TsCommonData::SetSkinManager(TsSkinManager* manager)
{
    TsSkinManager* stored = manager == DefaultManager() ? nullptr : manager;
    if (stored == manager_)
        return;
    manager_ = stored;
    if (OwnerState() & csLoading)
        return;
    TsSkinManager* used = SkinManager();
    if (used && !used->Model().Sections().empty())
        ResolveIndexes();
    else
        section_ = {};
    if (!ownerControl_ || !ownerControl_->Parent() || ownerControl_->Parent()->IsDestroying())
        return;
    bool valid = used && used->Model().IsValidSectionIndex(section_.Index);
    try {
        SendSkinCommand(ownerControl_, valid ? scRepaint : scSkinRemoved, 0, reinterpret_cast<LPARAM>(used));
    } catch (...) {
        // A control that fails to take the new manager keeps its old look.
    }
}

void TsCommonData::SetCustomColor(bool value)
{
    customColor_ = value;
    if (IsSkinned() && IsEditOwner() && ownerControl_ && !ownerControl_->IsLoading()) {
        ApplyEditColors();
        InvalidateAndRepaint();
    }
}

void TsCommonData::SetCustomFont(bool value)
{
    customFont_ = value;
    InvalidateAndRepaint();
}

TBitmap& TsCommonData::CacheOfSize(int width, int height)
{
    if (!cache_)
        cache_ = std::make_unique<TBitmap>();
    if (cache_->Empty() || cache_->Width() != width || cache_->Height() != height ||
        cache_->PixelFormat() != TPixelFormat::pf24bit)
        cache_->SetSize(std::max(width, 1), std::max(height, 1), TPixelFormat::pf24bit);
    return *cache_;
}

void TsCommonData::EmptyCache()
{
    if (cache_)
        cache_ = std::make_unique<TBitmap>();
}

bool TsCommonData::IsSkinned(bool requireActive) const
{
    TsSkinManager* manager = SkinManager();
    if (!manager || section_.Index < 0 || (OwnerState() & csDestroying) || manager->IsDestroying())
        return false;
    if (requireActive && !manager->Model().SkinData().Active)
        return false;
    return manager->Model().IsValidSectionIndex(section_.Index);
}

void TsCommonData::ResolveIndexes()
{
    CacheInvalid = true;
    TsSkinManager* manager = SkinManager();
    section_ = TsSectionRef::Resolve(manager ? &manager->Model() : nullptr, skinSection_);
    StateWord = 0;
    FillFlags = section_.IsValid() ? ComputeFillFlags(section_.Data()) : 0;
    if (section_.IsValid())
        RecomputePlainBackground();
}

bool TsCommonData::IsEditOwner() const
{
    return controlKind_ == kKindEditLike || dynamic_cast<TCustomEdit*>(ownerControl_);
}

void TsCommonData::ApplyEditColors()
{
    if (!ownerControl_ || !section_.IsValid())
        return;
    const TsGeneralData& s = section_.Data();
    if (!customColor_ && Rgb(ownerControl_->Color()) != s.Color)
        ownerControl_->SetColor(TColor(s.Color));
    if (!customFont_ && Rgb(ownerControl_->Font().Color()) != ResolveSkinColor(s.FontColor[0]))
        ownerControl_->Font().SetColor(TColor(s.FontColor[0]));
}

void TsCommonData::InvalidateAndRepaint()
{
    if (!ownerControl_ || ownerControl_->IsLoading() || ownerControl_->IsDestroying())
        return;
    CacheInvalid = true;
    auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
    if ((windowed && !windowed->HandleAllocated()) || IsBeingCreated(ownerControl_) || !ownerControl_->Parent())
        return;
    ownerControl_->Repaint();
}

void TsCommonData::OwnerLoaded()
{
    if (skinSection_.empty() || skinSection_ == "UNKNOWN") {
        std::string_view section = DefaultSectionOfKind(controlKind_);
        std::string ownName = owner_ ? owner_->ClassName() : "";
        SetSkinSection(section.empty() ? ownName : std::string(section));
    } else {
        ResolveIndexes();
    }
    if (!IsSkinned(false) || !ownerControl_ || !ownerControl_->Parent() || ownerControl_->IsLoading())
        return;
    if (auto* windowed = dynamic_cast<TWinControl*>(ownerControl_))
        SendSkinCommand(windowed->ParentForm(), scControlChanged, 0, reinterpret_cast<LPARAM>(windowed));
    if (IsEditOwner())
        ApplyEditColors();
}

bool TsCommonData::IsHot() const
{
    if (!ownerControl_ || ownerControl_->IsDestroying() || !ownerControl_->Enabled() ||
        (ownerControl_->ComponentState() & csDesigning))
        return false;
    if (Focused)
        return true;
    // A focusable window's focus is followed through its focus messages;
    // asking the system is a round trip on the platform.
    if (auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
        windowed && !(windowed->TabStop() && windowed->CanFocus()) && windowed->Focused())
        return true;
    return MouseOver && !IsContainerKind(controlKind_);
}

int32_t TsCommonData::OwnColor() const
{
    return colorControl_ ? Rgb(colorControl_->Color()) : Rgb(clBtnFace);
}

int32_t TsCommonData::ParentColor() const
{
    TWinControl* parent = WindowedParent(ownerControl_);
    return parent ? GetParentColor(parent) : Rgb(clBtnFace);
}

int32_t TsCommonData::ControlColor(bool hot) const
{
    if (!IsSkinned())
        return OwnColor();
    const TsGeneralData& s = section_.Data();
    int transparency = hot ? s.HotTransparency : s.Transparency;
    if (transparency <= 0)
        return customColor_ ? OwnColor() : ResolveSkinColor(hot ? s.HotColor : s.Color);
    if (transparency >= 100)
        return ParentColor();
    int32_t own = customColor_ ? OwnColor() : ResolveSkinColor(hot ? s.HotColor : s.Color);
    return BlendColors(own, ParentColor(), transparency / 100.0);
}

bool TsCommonData::ShowsParentBackground() const
{
    if (CacheFrozen || !IsSkinned() || !ownerControl_ || IsBeingCreated(ownerControl_) || !ownerControl_->Visible())
        return true;
    if (!section_.IsValid())
        return false;
    if (ownerControl_->Enabled() && section_.Data().Transparency <= 0)
        return false;
    TWinControl* parent = WindowedParent(ownerControl_);
    if (parent && parent->HandleAllocated())
        return SendSkinCommand(parent, scQueryComplexBackground) != 0;
    return true;
}

void TsCommonData::SendToOwner(TsSkinCommand command)
{
    if (ownerControl_) {
        SendSkinCommand(ownerControl_, command);
        return;
    }
    // A form skinning component has no window of its own: its form hears it.
    if (controlKind_ == kKindFormSkinner && owner_)
        if (auto* form = dynamic_cast<TWinControl*>(owner_->Owner()); form && form->HandleAllocated())
            SendSkinCommand(form->Handle(), command);
}

void TsCommonData::BeginUpdate()
{
    Updating = true;
    SendToOwner(scBeginUpdate);
}

void TsCommonData::EndUpdate()
{
    Updating = false;
    SendToOwner(scEndUpdate);
}

bool TsCommonData::NeedsFullRepaint() const
{
    return SkinEngine().AnimationInProgress || !PlainBackground() || IsHot();
}

bool TsCommonData::PaintingSuspended() const
{
    if (!SkinManager() || (OwnerState() & csDesigning))
        return false;
    if (!NeedsFullRepaint() || !ownerControl_ || ownerControl_->IsDestroying())
        return Updating;
    if (Updating || !ownerControl_->Parent())
        return true;
    return SendSkinCommand(ownerControl_->Parent(), scQueryCacheInvalid) != 0;
}

bool TsCommonData::HasOwnLook() const
{
    if (!SkinManager() || !section_.IsValid())
        return false;
    if (BorderSum(section_.Border()) > 24)
        return true;
    const TsGeneralData& s = section_.Data();
    if (s.Transparency >= 100) {
        TWinControl* parent = WindowedParent(ownerControl_);
        if (!parent)
            return true;
        return !(SendSkinCommand(parent, scOpaqueState) & kPlainBackground);
    }
    if (s.Transparency > 0)
        return true;
    return s.ImagePercent != 0 || s.GradientPercent != 0;
}

void TsCommonData::RecomputePlainBackground()
{
    StateWord &= uint16_t(~kPlainBackground);
    bool container = dynamic_cast<TPanel*>(ownerControl_) || dynamic_cast<TCustomForm*>(ownerControl_) ||
                     controlKind_ == kKindFormSkinner;
    if (container && !HasOwnLook())
        StateWord |= kPlainBackground;
}

void TsCommonData::SkinLoaded()
{
    ResolveIndexes();
    SkinEngine().NewSkinBroadcast = false;
}

void TsCommonData::SkinRemoved()
{
    TsSkinManager* manager = SkinManager();
    if (manager_ && manager_->IsDestroying())
        manager_ = nullptr;
    section_ = {manager ? &manager->Model() : nullptr};
    Updating = true;
    EmptyCache();
    if (IsEditOwner() && ownerControl_) {
        if (!customColor_)
            ownerControl_->SetColor(clWindow);
        if (!customFont_)
            ownerControl_->Font().SetColor(clWindowText);
    }
}

void TsCommonData::Repaint()
{
    CacheInvalid = true;
    Updating = false;
    if (IsSkinned()) {
        if (IsEditOwner())
            ApplyEditColors();
        if (auto* windowed = dynamic_cast<TWinControl*>(ownerControl_))
            SendSkinCommand(windowed->ParentForm(), scControlChanged, 0, reinterpret_cast<LPARAM>(windowed));
    }
    RecomputePlainBackground();
}

LRESULT TsCommonData::AnswerColor() const
{
    if (!ownerControl_)
        return 0;
    if (!IsSkinned())
        return OwnColor();
    const TsGeneralData& s = section_.Data();
    int t = s.Transparency;
    if (t <= 0)
        return ResolveSkinColor(s.Color);
    TWinControl* parent = WindowedParent(ownerControl_);
    int32_t p = OwnColor();
    if (parent) {
        LRESULT answer = SendSkinCommand(parent, scQueryColor, 0, kNoColorFallback);
        p = answer == kNoColorFallback ? Rgb(parent->Color()) : int32_t(answer);
    }
    if (t >= 100)
        return p;
    Rgb24 c = ToRgb24(uint32_t(ResolveSkinColor(s.Color))), pc = ToRgb24(uint32_t(p));
    auto mix = [t](int cc, int pp) { return uint8_t(std::clamp((t * (pp - cc) + 256 * cc) >> 8, 0, 255)); };
    return ToColorRef({mix(c.b, pc.b), mix(c.g, pc.g), mix(c.r, pc.r)});
}

void TsCommonData::AnswerBackground(TsBgQuery& q) const
{
    if (!IsSkinned()) {
        if (ownerControl_) {
            q.Kind = 1;
            q.Color = OwnColor();
        }
        return;
    }
    bool hot = IsHot();
    Share share = SharesOf(section_.Data(), hot);
    if (share.transparency == 0 && share.gradient <= 0 && share.image <= 0) {
        q.Kind = 1;
        q.Color = ControlColor(hot);
        if (q.PaintNow && q.TargetDC) {
            UniqueBrush brush(CreateSolidBrush(COLORREF(q.Color)));
            RECT r = ToRECT(q.Area);
            FillRect(static_cast<HDC>(q.TargetDC), &r, brush.Get());
        }
        return;
    }
    if (share.transparency == 100 && BorderSum(section_.Border()) < 25) {
        TWinControl* parent = WindowedParent(ownerControl_);
        if (!parent) {
            q.Kind = 1;
            q.Color = DefaultManager() ? DefaultManager()->Model().GetGlobalColor() : Rgb(clBtnFace);
            return;
        }
        Point at{ownerControl_->Left(), ownerControl_->Top()};
        Rect asked = q.Area;
        q.Area = asked.Translated(at.x, at.y);
        QueryParentBackground(q, parent, q.PaintNow);
        q.Area = asked;
        if (q.Kind == 2) {
            q.OffsetX += at.x;
            q.OffsetY += at.y;
        }
        return;
    }
    if (!cache_ || cache_->Empty()) {
        q.Kind = 1;
        q.Color = kNoColor;
        return;
    }
    q.Kind = 2;
    if (q.PaintNow && q.TargetDC) {
        BitBlt(static_cast<HDC>(q.TargetDC), q.Area.left, q.Area.top, q.Area.Width(), q.Area.Height(),
               cache_->Canvas().Handle(), q.OffsetX, q.OffsetY, SRCCOPY);
        return;
    }
    q.Image = cache_->Pixels24();
    q.OffsetX = q.OffsetY = 0;
}

TsBgSource TsCommonData::ParentBackground() const
{
    if (!WindowedParent(ownerControl_))
        return BgFromColor(ControlColor(false));
    return BackgroundBehind(ownerControl_);
}

TsBgSource TsCommonData::BgSourceForSelf() const
{
    if (IsSkinned() && ownerControl_ && ownerControl_->Parent())
        return ParentBackground();
    return BgFromColor(ControlColor(false));
}

void TsCommonData::MouseEntered(LPARAM lParam)
{
    auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
    if (windowed && DefaultManager())
        LeaveHotSpeedButtons(windowed, reinterpret_cast<TControl*>(lParam));
    if (!IsContainerKind(controlKind_))
        MouseOver = true;
    if (windowed && windowed->HandleAllocated())
        MakeHotWindow(windowed->Handle());
}

void TsCommonData::LeaveHotSpeedButtons(TWinControl* parent, TControl* entered)
{
    // The pointer reached the parent: a speed button that missed its leave
    // (it went straight from the button to a window) must not stay hot.
    std::vector<TControl*> children = parent->Controls();
    for (TControl* child : children) {
        auto* bound = dynamic_cast<TsBindingOwner*>(child);
        if (!bound || child == ownerControl_ || child == entered)
            continue;
        TsCommonData& binding = bound->SkinData();
        if (binding.controlKind_ == kKindSpeedButton && binding.MouseOver)
            child->Perform(CM_MOUSELEAVE);
    }
}

void MakeHotWindow(HWND window)
{
    TsSkinManager* manager = DefaultManager();
    HWND& hot = SkinEngine().HotWindow;
    if (!manager || !window || hot == window)
        return;
    HWND previous = hot;
    hot = window;
    if (previous && IsWindow(previous))
        SendSkinCommand(previous, scMouseLeave, 0, reinterpret_cast<LPARAM>(manager));
    SendSkinCommand(hot, scMouseEnter, 0, reinterpret_cast<LPARAM>(manager));
}

void ClearHotWindow(HWND except)
{
    HWND& hot = SkinEngine().HotWindow;
    if (!hot || hot == except)
        return;
    HWND previous = std::exchange(hot, nullptr);
    if (IsWindow(previous))
        SendSkinCommand(previous, scMouseLeave, 0, reinterpret_cast<LPARAM>(DefaultManager()));
}

void TrackHotUnderCursor(HWND window)
{
    POINT p{};
    GetCursorPos(&p);
    bool inside = WindowFromPoint(p) == window;
    if (inside && SkinEngine().HotWindow != window)
        MakeHotWindow(window);
    else if (!inside && SkinEngine().HotWindow == window)
        ClearHotWindow();
}

void TsCommonData::ParentBgChanged(WORD argument)
{
    if (argument == 1 && section_.IsValid() && section_.Data().Transparency > 0)
        CacheInvalid = true;
}

LRESULT TsCommonData::AnswerComplexBackground() const
{
    if (!section_.IsValid())
        return 0;
    const TsGeneralData& s = section_.Data();
    if (s.Transparency >= 100) {
        TWinControl* parent = WindowedParent(ownerControl_);
        return parent ? SendSkinCommand(parent, scQueryComplexBackground) : 0;
    }
    if (s.GradientPercent + s.ImagePercent > 0)
        return 1;
    return ShowsParentBackground();
}

void TsCommonData::BackgroundChanged(const TMessage& m)
{
    bool showsParent = ShowsParentBackground();
    if (showsParent)
        CacheInvalid = true;
    auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
    if (windowed && windowed->HandleAllocated() && SkinCmdArgument(m.WParam) == 1)
        RedrawWindow(windowed->Handle(), nullptr, nullptr,
                     RDW_ALLCHILDREN | RDW_NOERASE | RDW_NOINTERNALPAINT | RDW_INVALIDATE);
    if (windowed && showsParent)
        PassToChildren(windowed, m.WParam, m.LParam);
}

LRESULT TsCommonData::OpaqueState(const TMessage& m)
{
    if (m.LParam != 1)
        return StateWord;
    RecomputePlainBackground();
    if (auto* windowed = dynamic_cast<TWinControl*>(ownerControl_))
        PassToChildren(windowed, m.WParam, 1);
    return 0;
}

void TsCommonData::ManagerCommand(TsSkinCommand command, LPARAM lParam)
{
    if (!UsesManager(lParam))
        return;
    switch (command) {
    case scSkinLoaded: SkinLoaded(); break;
    case scSkinRemoved: SkinRemoved(); break;
    case scRepaint: Repaint(); break;
    default: break;
    }
}

bool TsCommonData::HandleSkinCommand(TMessage& m)
{
    WORD argument = SkinCmdArgument(m.WParam);
    LRESULT result = 0;
    switch (SkinCmdOf(m.WParam)) {
    case scSkinLoaded:
    case scSkinRemoved:
    case scRepaint: ManagerCommand(SkinCmdOf(m.WParam), m.LParam); break;
    case scQueryHandled: result = 1; break;
    case scSetUpdating: Updating = argument == 1; break;
    case scFreezeCache: CacheFrozen = argument == 1; break;
    case scQueryCacheInvalid: result = CacheInvalid || Updating; break;
    case scQueryHalfVisible: result = HalfVisible; break;
    case scParentBgChanged: ParentBgChanged(argument); break;
    case scSetPaintingChild: PaintingChild = reinterpret_cast<TControl*>(m.LParam); break;
    case scInvalidate: CacheInvalid = true; break;
    case scQueryComplexBackground: result = AnswerComplexBackground(); break;
    case scBackgroundChanged: BackgroundChanged(m); break;
    case scQueryColor: result = AnswerColor(); break;
    case scSetHalfVisible: HalfVisible = true; break;
    case scQuerySectionIndex: result = IsSkinned(false) ? section_.Index + 1 : 0; break;
    case scQueryBackground:
        if (m.LParam)
            AnswerBackground(*reinterpret_cast<TsBgQuery*>(m.LParam));
        break;
    case scOpaqueState: result = OpaqueState(m); break;
    case scQueryApplication: result = reinterpret_cast<LRESULT>(Application); break;
    default: return false;
    }
    m.Result = result;
    return true;
}

bool TsCommonData::HandleStandardMessage(TMessage& m)
{
    auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
    switch (m.Msg) {
    case WM_MOVE:
        if (ShowsParentBackground()) {
            CacheInvalid = true;
            SendSkinCommand(ownerControl_, scBackgroundChanged, 1);
        }
        return false;
    case WM_SIZE:
        if (IsSkinned()) {
            CacheInvalid = true;
            if (windowed && section_.Data().GradientPercent > 0)
                for (TControl* child : windowed->Controls())
                    if (!child->IsDestroying())
                        SendSkinCommand(child, scBackgroundChanged, 1);
        }
        return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (windowed && windowed->TabStop() && windowed->CanFocus()) {
            CacheInvalid = true;
            Focused = m.Msg == WM_SETFOCUS;
        }
        return false;
    case WM_FONTCHANGE:
    case CM_ENABLEDCHANGED:
        Focused = false;
        MouseOver = false;
        return false;
    case WM_UPDATEUISTATE:
        if (IsSkinned()) {
            m.Result = 1;
            return true;
        }
        if (windowed && windowed->HandleAllocated() && IsThemeActive())
            SetWindowTheme(windowed->Handle(), nullptr, nullptr);
        return false;
    case WM_PARENTNOTIFY:
        if (windowed && LOWORD(m.WParam) == WM_CREATE)
            SendSkinCommand(windowed->ParentForm(), scControlChanged, 0, reinterpret_cast<LPARAM>(windowed));
        return false;
    case CM_VISIBLECHANGED:
        if (cache_) {
            if (m.WParam) {
                Updating = false;
                CacheInvalid = true;
            } else {
                EmptyCache();
            }
        }
        return false;
    case CM_MOUSEENTER:
        if (!(OwnerState() & csDesigning))
            MouseEntered(m.LParam);
        return false;
    case CM_MOUSELEAVE:
        if (!(OwnerState() & csDesigning) && !IsContainerKind(controlKind_))
            MouseOver = false;
        return false;
    default:
        return false;
    }
}

int32_t GetParentColor(TControl* control)
{
    if (!control)
        return Rgb(clBtnFace);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed && windowed->HandleAllocated() && SendSkinCommand(windowed, scQueryHandled) == 1) {
        LRESULT answer = SendSkinCommand(windowed, scQueryColor, 0, kNoColorFallback);
        return ResolveSkinColor(int32_t(answer));
    }
    return Rgb(control->Color());
}

TsBgSource BackgroundBehind(TControl* control)
{
    TWinControl* parent = WindowedParent(control);
    if (!parent)
        return BgFromColor(control ? Rgb(control->Color()) : Rgb(clBtnFace));
    TsBgQuery q;
    q.Area = control->BoundsRect();
    QueryParentBackground(q, parent, false);
    TsBgSource source = QueryToSource(q);
    if (source.HasImage())
        source = ShiftedBg(source, {control->Left(), control->Top()});
    return source;
}

bool QueryParentBackground(TsBgQuery& q, TControl* parent, bool paintNow)
{
    q.Kind = 0;
    q.PaintNow = paintNow;
    if (!parent)
        return false;
    SendSkinCommand(parent, scQueryBackground, 0, reinterpret_cast<LPARAM>(&q));
    if (q.Kind != 0)
        return true;
    q.Kind = 1;
    LRESULT answer = SendSkinCommand(parent, scQueryColor, 0, kNoColorFallback);
    q.Color = answer == 0 || answer == kNoColorFallback ? Rgb(parent->Color()) : ResolveSkinColor(int32_t(answer));
    if (paintNow && q.TargetDC) {
        UniqueBrush brush(CreateSolidBrush(COLORREF(q.Color)));
        RECT r = ToRECT(q.Area);
        FillRect(static_cast<HDC>(q.TargetDC), &r, brush.Get());
    }
    return false;
}

void RefillBorderCorners(TsCommonData& binding, int state, unsigned corners)
{
    const TsMaskData* border = binding.Section().Border();
    TBitmap* cache = binding.CacheBitmap();
    TControl* owner = binding.OwnerControl();
    if (!binding.SkinManager() || !border || !cache || cache->Empty() || !owner || owner->Width() <= 1 ||
        owner->Height() <= 1)
        return;
    RefillBorderCorners(cache->Pixels24(), *border, state, corners, binding.ParentBackground());
}

void CopyCacheToDC(TControl* control, TsCommonData& binding, Point srcPoint, Point childOffset, bool refillCorners,
                   HDC dc, const Rect& destRect)
{
    TBitmap* cache = binding.CacheBitmap();
    if (!cache || cache->Empty() || !dc)
        return;
    if (refillCorners)
        RefillBorderCorners(binding, 0, kRefillAllCorners);
    SaveDcGuard saved(dc);
    IntersectClipRect(dc, destRect.left, destRect.top, destRect.right, destRect.bottom);
    if (auto* parent = dynamic_cast<TWinControl*>(control)) {
        for (TControl* child : parent->Controls()) {
            if (!child->Visible())
                continue;
            // Windowless children are put over their piece of the cache off
            // screen (PaintGraphicChildrenOverCache); opaque windows paint all
            // of their place themselves.
            bool clippedOut = !dynamic_cast<TWinControl*>(child) || (child->ControlStyle & csOpaque) ||
                              (child->ComponentState() & csDesigning);
            Rect r = child->BoundsRect().Translated(childOffset.x, childOffset.y);
            if (clippedOut && !r.Intersected(destRect).IsEmpty())
                ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
        }
    }
    BitBlt(dc, destRect.left, destRect.top, destRect.Width(), destRect.Height(), cache->Canvas().Handle(), srcPoint.x,
           srcPoint.y, SRCCOPY);
}
