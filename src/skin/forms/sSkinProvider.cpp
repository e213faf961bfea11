#include "skin/forms/sSkinProvider.h"

#include <algorithm>

#include "skin/adapters/acCtrlAdapter.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/FormAnimation.h"
#include "skin/model/ControlKinds.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/MaskFrames.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"

namespace {

TCustomForm* NearestForm(TComponent* owner)
{
    for (TComponent* c = owner; c; c = c->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            return form;
    return nullptr;
}

bool HasOtherProvider(TCustomForm* form, const TsSkinProvider* self)
{
    for (TComponent* c : form->Components())
        if (c != self && dynamic_cast<TsSkinProvider*>(c))
            return true;
    return false;
}

TsFrameStyle FrameStyleOf(TFormBorderStyle s)
{
    switch (s) {
    case TFormBorderStyle::bsNone: return TsFrameStyle::bsNone;
    case TFormBorderStyle::bsSingle: return TsFrameStyle::bsSingle;
    case TFormBorderStyle::bsSizeable: return TsFrameStyle::bsSizeable;
    case TFormBorderStyle::bsDialog: return TsFrameStyle::bsDialog;
    case TFormBorderStyle::bsToolWindow: return TsFrameStyle::bsToolWindow;
    }
    return TsFrameStyle::bsSizeable;
}

TsSystemFrameMetrics SystemFrameMetrics()
{
    return {GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CXDLGFRAME),
            GetSystemMetrics(SM_CYDLGFRAME),  GetSystemMetrics(SM_CXFRAME),    GetSystemMetrics(SM_CYFRAME),
            GetSystemMetrics(SM_CYMENU)};
}

}  // namespace

TsSkinProvider* ProviderOf(TCustomForm* form)
{
    return dynamic_cast<TsSkinProvider*>(FormSkinnerOf(form));
}

TsSkinProvider::TsSkinProvider(TComponent* owner)
    : TComponent(owner), skinData_(std::make_unique<TsCommonData>(this, true, kKindFormSkinner))
{
    form_ = NearestForm(owner);
    skinData_->SetSkinSection("FORM");
    if (form_ && HasOtherProvider(form_, this))
        form_ = nullptr;
    if (!form_)
        return;
    skinData_->SetColorControl(form_);
    Attach();
    InitializeSkin();
}

TsSkinProvider::~TsSkinProvider()
{
    Destroying();
    Detach();
}

void TsSkinProvider::Attach()
{
    if (attached_ || !form_)
        return;
    link_ = form_->MessageChain().Push(
        TLinkRole::tlFormSkin, static_cast<const TsSkinProvider*>(this), [this](TMessage& m) { HandleMessage(m); },
        [this](bool controlGoes) {
            if (controlGoes)
                Detach();
        });
    if (!link_.Linked()) {
        form_ = nullptr;  // the form has another skin link
        return;
    }
    attached_ = true;
    RegisterSkinnedForm(form_);
}

void TsSkinProvider::Detach()
{
    if (!attached_)
        return;
    // The window adapters give the controls back before the form goes.
    adapter_.reset();
    attached_ = false;
    UnregisterSkinnedForm(form_);
    if (!form_->IsDestroying() && hadSystemMenu_)
        RestoreWindowSystemLook();
    link_.Remove();
}

void TsSkinProvider::Loaded()
{
    TComponent::Loaded();
    skinData_->OwnerLoaded();
    if (Skinned()) {
        InitializeSkin();
        UpdateSystemMenu();
    }
}

TsSkinManager* TsSkinProvider::SkinManager() const
{
    return skinData_->SkinManager();
}

bool TsSkinProvider::Skinned() const
{
    return form_ && !form_->IsDestroying() && skinData_->IsSkinned();
}

void TsSkinProvider::SetTitleSkin(const std::string& section)
{
    titleSkin_ = section;
    titleSection_ = TsSectionRef::Resolve(skinData_->Section().Model, titleSkin_.empty() ? "FORMTITLE" : titleSkin_);
    skinData_->CacheInvalid = true;
    if (form_ && form_->HandleAllocated() && IsWindowVisible(form_->Handle()))
        SendMessageA(form_->Handle(), WM_NCPAINT, 1, 0);
}

void TsSkinProvider::SetCaptionAlignment(TAlignment value)
{
    captionAlignment_ = value;
    SetTitleSkin(titleSkin_);
}

void TsSkinProvider::SetShowAppIcon(bool value)
{
    showAppIcon_ = value;
    SetTitleSkin(titleSkin_);
}

void TsSkinProvider::SetUseGlobalColor(bool value)
{
    useGlobalColor_ = value;
    ApplyFormColor();
}

void TsSkinProvider::ApplyFormColor()
{
    if (!form_ || !useGlobalColor_ || skinData_->CustomColor())
        return;
    // While a skin is announced its data are not active yet; the form takes its colour all the same.
    TsSkinManager* manager = SkinManager();
    if (manager && skinData_->IsSkinned(false))
        form_->SetColor(TColor(manager->Model().GetGlobalColor()));
    else
        form_->SetColor(clBtnFace);
}

void TsSkinProvider::InitializeSkin()
{
    if (!form_ || !form_->HandleAllocated() || !SkinManager())
        return;
    skinData_->OwnerLoaded();
    HWND window = form_->Handle();
    LONG style = GetWindowLongA(window, GWL_STYLE);
    if (skinData_->IsSkinned(false) && ((style & WS_SYSMENU) || hadSystemMenu_)) {
        // The skin draws the caption buttons and shows its own system menu.
        SetWindowLongA(window, GWL_STYLE, style & ~WS_SYSMENU);
        hadSystemMenu_ = true;
    }
    titleSection_ = TsSectionRef::Resolve(skinData_->Section().Model, titleSkin_.empty() ? "FORMTITLE" : titleSkin_);
    ChooseButtonImages();
    UpdateSystemMenu();
    if (!(form_->ControlState & csCreating) && !form_->IsDestroying() && !IsLoading())
        ApplyFormColor();
    AttachAdapters();
}

void TsSkinProvider::AttachAdapters(TWinControl* container)
{
    if (!Skinned() || !form_->HandleAllocated())
        return;
    if (!adapter_)
        adapter_ = std::make_unique<TacCtrlAdapter>(*this);
    adapter_->AttachAll(container);
}

void TsSkinProvider::DropAdapters(const TMessage& removal)
{
    if (!adapter_)
        return;
    adapter_->Broadcast(removal);
    adapter_.reset();
}

void TsSkinProvider::RestoreWindowSystemLook()
{
    HWND window = form_->HandleAllocated() ? form_->Handle() : nullptr;
    if (window && hadSystemMenu_)
        SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_SYSMENU);
    hadSystemMenu_ = false;
    regionApplied_ = false;
    appliedRegion_.clear();
    if (window) {
        SetWindowRgn(window, nullptr, TRUE);
        // The form itself, frame and children; not the whole desktop.
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
    }
    ApplyFormColor();
    skinData_->EmptyCache();
}

void TsSkinProvider::ChooseButtonImages()
{
    for (TsCaptionSlot& s : slots_)
        s = {};
    restoreMask_ = -1;
    TsSkinManager* manager = SkinManager();
    if (!manager || !form_)
        return;
    TsFrameStyle style = FrameStyleOf(form_->BorderStyle());
    bool big = style == TsFrameStyle::bsSingle || style == TsFrameStyle::bsSizeable;
    ChooseCaptionImages(manager->Model(), big, skinData_->SectionIndex(), skinData_->SkinSection(), slots_,
                        restoreMask_);
}

TsFormFrameState TsSkinProvider::FrameState() const
{
    TsFormFrameState f;
    f.style = FrameStyleOf(form_->BorderStyle());
    TBorderIcons icons = form_->BorderIcons();
    f.icons = 0;
    if (icons & biSystemMenu)
        f.icons |= fiSystemMenu;
    if (icons & biMinimize)
        f.icons |= fiMinimize;
    if (icons & biMaximize)
        f.icons |= fiMaximize;
    if (icons & biHelp)
        f.icons |= fiHelp;
    HWND window = form_->Handle();
    LONG style = GetWindowLongA(window, GWL_STYLE);
    f.hasCaption = (style & WS_CAPTION) == WS_CAPTION;
    f.minimized = IsIconic(window);
    f.maximized = IsZoomed(window);
    f.hadSystemMenu = hadSystemMenu_;
    f.showAppIcon = showAppIcon_;
    f.titleIcon = {TitleIcon.Width, TitleIcon.Height};
    RECT w, c;
    GetWindowRect(window, &w);
    GetClientRect(window, &c);
    f.window = {w.right - w.left, w.bottom - w.top};
    f.client = {c.right, c.bottom};
    return f;
}

TsFrameGeometry TsSkinProvider::Geometry() const
{
    return ComputeFrameGeometry(FrameState(), SystemFrameMetrics(),
                                MeasureCaptionImages(skinData_->Section().Model, slots_));
}

TsCaptionButtonRules TsSkinProvider::ButtonRules() const
{
    TsFormFrameState f = FrameState();
    bool singleOrSizeable = f.style == TsFrameStyle::bsSingle || f.style == TsFrameStyle::bsSizeable;
    TsCaptionButtonRules r;
    r.maxEnabled = (f.icons & fiMaximize) && (f.mdiChild || (!f.maximized && singleOrSizeable));
    r.minEnabled = (f.icons & fiMinimize) && !f.minimized;
    r.restoreEnabled = ((f.icons & fiMaximize) && (f.maximized || f.minimized)) || f.minimized;
    r.bigImages = slots_[cbClose].BigImage;
    const TsSkinModel* model = skinData_->Section().Model;
    r.verticalAlign = model ? model->SkinData().BIVAlign : 0;
    return r;
}

void TsSkinProvider::UpdateSystemMenu()
{
    if (form_ && form_->HandleAllocated())
        systemMenu_.UpdateItems(SystemMenuStateOf(FrameState(), Geometry()));
}

void TsSkinProvider::PopupSystemMenu(POINT at)
{
    if (!form_ || !form_->HandleAllocated())
        return;
    UpdateSystemMenu();
    UINT command = systemMenu_.Popup(form_->Handle(), at);
    if (command)
        SendMessageA(form_->Handle(), WM_SYSCOMMAND, command, 0);
}

void TsSkinProvider::FadeToNewLook(unsigned milliseconds)
{
    if (form_ && form_->HandleAllocated())
        AnimateFormShow(form_, milliseconds);
}

void TsSkinProvider::RebuildFrame()
{
    regionApplied_ = false;
    skinData_->CacheInvalid = true;
    if (form_ && form_->HandleAllocated())
        SendMessageA(form_->Handle(), WM_NCPAINT, 1, 0);
}

void TsSkinProvider::Pass(TMessage& m)
{
    link_.CallBelow(m);
}

LRESULT TsSkinProvider::AnswerColor() const
{
    if (!Skinned() || skinData_->CustomColor())
        return ColorToRGB(form_->Color());
    const TsGeneralData& s = skinData_->Section().Data();
    return ResolveSkinColor(formActive_ ? s.HotColor : s.Color);
}

void TsSkinProvider::AnswerBackground(TsBgQuery& q)
{
    if (!Skinned()) {
        q.Kind = 1;
        q.Color = int32_t(ColorToRGB(form_->Color()));
        return;
    }
    const TsGeneralData& s = skinData_->Section().Data();
    int t = formActive_ ? s.HotTransparency : s.Transparency;
    int g = formActive_ ? s.HotGradientPercent : s.GradientPercent;
    int i = formActive_ ? s.HotImagePercent : s.ImagePercent;
    if (t == 0 && g <= 0 && i <= 0 && !skinData_->CustomColor()) {
        q.Kind = 1;
        q.Color = int32_t(AnswerColor());
        if (q.PaintNow && q.TargetDC) {
            UniqueBrush brush(CreateSolidBrush(COLORREF(q.Color)));
            RECT r = ToRECT(q.Area);
            FillRect(static_cast<HDC>(q.TargetDC), &r, brush.Get());
        }
        return;
    }
    if (skinData_->CacheInvalid || !CacheReady())
        PaintWholeWindow();
    TBitmap* cache = skinData_->CacheBitmap();
    if (!cache || cache->Empty()) {
        q.Kind = 1;
        q.Color = int32_t(AnswerColor());
        return;
    }
    Point offset = ClientOffset();
    q.Kind = 2;
    if (q.PaintNow && q.TargetDC) {
        BitBlt(static_cast<HDC>(q.TargetDC), q.Area.left, q.Area.top, q.Area.Width(), q.Area.Height(),
               cache->Canvas().Handle(), q.Area.left + offset.x, q.Area.top + offset.y, SRCCOPY);
        return;
    }
    q.Image = cache->Pixels24();
    q.OffsetX = offset.x;
    q.OffsetY = offset.y;
}

void TsSkinProvider::HandleSkinCommand(TMessage& m)
{
    bool ours = reinterpret_cast<TsSkinManager*>(m.LParam) == SkinManager();
    WORD argument = SkinCmdArgument(m.WParam);
    HWND window = form_->HandleAllocated() ? form_->Handle() : nullptr;
    bool visible = window && IsWindowVisible(window);
    m.Result = 0;
    switch (SkinCmdOf(m.WParam)) {
    case scSkinLoaded:
        if (!ours)
            return;
        skinData_->HandleSkinCommand(m);
        InitializeSkin();
        ApplyFormColor();
        skinData_->CacheInvalid = true;
        regionApplied_ = false;
        if (visible)
            SendMessageA(window, WM_NCPAINT, 1, 0);
        m.Result = 0;
        return;
    case scSkinRemoved:
        if (!ours)
            return;
        DropAdapters(m);
        skinData_->HandleSkinCommand(m);
        RestoreWindowSystemLook();
        m.Result = 0;
        return;
    case scRepaint:
        if (!ours)
            return;
        regionApplied_ = false;
        if (visible && !animating_) {
            skinData_->CacheInvalid = true;
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_NOCHILDREN);
        }
        ApplyFormColor();
        skinData_->Updating = false;
        AttachAdapters();
        if (adapter_)
            adapter_->Broadcast(m);
        return;
    case scControlChanged:
        AttachAdapters(reinterpret_cast<TWinControl*>(m.LParam));
        return;
    case scQueryProvider:
        m.Result = reinterpret_cast<LRESULT>(static_cast<TsFormSkinner*>(this));
        return;
    case scQueryHandled:
        m.Result = 1;
        return;
    case scSetUpdating:
        skinData_->Updating = argument == 1;
        if (skinData_->Updating)
            skinData_->CacheInvalid = true;
        return;
    case scQueryCacheInvalid:
        m.Result = skinData_->Updating && skinData_->NeedsFullRepaint();
        return;
    case scQueryColor:
        m.Result = AnswerColor();
        return;
    case scQueryBackground:
        if (m.LParam)
            AnswerBackground(*reinterpret_cast<TsBgQuery*>(m.LParam));
        return;
    case scFreezeCache:
        skinData_->CacheFrozen = argument == 1;
        if (skinData_->CacheFrozen)
            PaintWholeWindow();
        return;
    case scSetPaintingChild:
        skinData_->PaintingChild = reinterpret_cast<TControl*>(m.LParam);
        return;
    case scQueryComplexBackground:
        m.Result = Skinned() && skinData_->Section().Data().GradientPercent + skinData_->Section().Data().ImagePercent > 0;
        return;
    case scRedrawOff:
        if (window)
            SendMessageA(window, WM_SETREDRAW, FALSE, 0);
        return;
    case scRedrawOn:
        if (window) {
            SendMessageA(window, WM_SETREDRAW, TRUE, 0);
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW |
                                                       RDW_ALLCHILDREN);
        }
        return;
    case scQueryClientOffset: {
        Point offset = window ? ClientOffset() : Point{};
        m.Result = MAKELONG(offset.x, offset.y);
        return;
    }
    default:
        if (!skinData_->HandleSkinCommand(m))
            Pass(m);
        return;
    }
}

void TsSkinProvider::HandleMessage(TMessage& m)
{
    if (m.Msg == SM_SKINCMD) {
        HandleSkinCommand(m);
        return;
    }
    if (m.Msg == WM_CREATE) {
        Pass(m);
        InitializeSkin();
        return;
    }
    if (!Skinned() || !form_->HandleAllocated()) {
        Pass(m);
        return;
    }
    switch (m.Msg) {
    case WM_NCPAINT:
        if (pendingFadeIn_) {
            unsigned time = std::exchange(pendingFadeIn_, 0);
            SendMessageA(form_->Handle(), WM_SETREDRAW, FALSE, 0);
            UpdateRegion();
            AnimateFormShow(form_, time);
        } else if (!animating_) {
            WholeWindowDc windowDc(form_->Handle());
            OutputFrame(windowDc.Get());
        }
        m.Result = 0;
        return;
    case WM_NCACTIVATE:
        Activation(m);
        return;
    case WM_SETTEXT:
        TextChange(m);
        return;
    case WM_ERASEBKGND:
        m.Result = 1;
        return;
    case WM_PAINT: {
        PaintDc dc(form_->Handle(), m.WParam);
        PaintClient(dc.Get(), dc.Area());
        m.Result = 0;
        return;
    }
    case WM_PRINT:
        PrintWindowInto(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return;
    case WM_PRINTCLIENT:
    case 0x93:
    case CM_INVALIDATE:
    case 0xBC4D:
    case WM_ENTERIDLE:
        m.Result = 0;
        return;
    case WM_NCHITTEST:
        caption_.HitTest(m);
        return;
    case WM_NCLBUTTONDOWN:
        caption_.NcLButtonDown(m);
        return;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
        caption_.ButtonUp(m);
        return;
    case WM_NCLBUTTONDBLCLK:
        caption_.NcLButtonDblClk(m);
        return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
        caption_.NcRButton(m);
        return;
    case WM_NCMOUSEMOVE:
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, form_->Handle(), 0};
            trackingLeave_ = TrackMouseEvent(&track);
        }
        Pass(m);
        return;
    case WM_NCMOUSELEAVE:
        trackingLeave_ = false;
        caption_.SetHotHitCode(0);
        Pass(m);
        return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        caption_.SetHotHitCode(0);
        Pass(m);
        return;
    case WM_MOUSEMOVE:
        Pass(m);
        if (hotHitCode_ != 0)
            caption_.SetHotHitCode(0);
        ClearHotWindow(form_->Handle());
        return;
    case WM_SYSCOMMAND:
        SysCommand(m);
        return;
    case WM_SIZE: {
        Pass(m);
        TBitmap* cache = skinData_->CacheBitmap();
        RECT w;
        GetWindowRect(form_->Handle(), &w);
        bool resized = !cache || cache->Width() != w.right - w.left || cache->Height() != w.bottom - w.top;
        if (IsWindowVisible(form_->Handle()) && !animating_ && resized && !IsIconic(form_->Handle())) {
            regionApplied_ = false;
            skinData_->CacheInvalid = true;
            SendMessageA(form_->Handle(), WM_NCPAINT, 1, 0);
        }
        return;
    }
    case WM_SHOWWINDOW:
        if (m.WParam)
            showState_ = IsIconic(form_->Handle()) ? 2 : IsZoomed(form_->Handle()) ? 3 : 1;
        Pass(m);
        return;
    case CM_SHOWINGCHANGED:
        // Controls made since the skin came are adapted before the form shows.
        if (m.WParam)
            AttachAdapters();
        Showing(m);
        return;
    case WM_PARENTNOTIFY:
        Pass(m);
        if (LOWORD(m.WParam) == WM_CREATE)
            AttachAdapters();
        return;
    case WM_SETTINGCHANGE:
        skinData_->CacheInvalid = true;
        Pass(m);
        if (TsSkinManager* manager = SkinManager())
            manager->SystemSettingChanged(reinterpret_cast<const char*>(m.LParam));
        return;
    case WM_ACTIVATE:
        Pass(m);
        UpdateSystemMenu();
        return;
    case CM_VISIBLECHANGED:
        Pass(m);
        if (!m.WParam)
            skinData_->EmptyCache();
        return;
    case CM_ENABLEDCHANGED:
        Pass(m);
        skinData_->CacheInvalid = true;
        SendMessageA(form_->Handle(), WM_NCPAINT, 1, 0);
        return;
    case CM_COLORCHANGED:
        if (skinData_->CustomColor()) {
            skinData_->CacheInvalid = true;
            Pass(m);
        }
        return;
    default:
        Pass(m);
        return;
    }
}
