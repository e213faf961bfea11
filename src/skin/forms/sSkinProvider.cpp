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

void TsSkinProvider::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (!form_ || component == this)
        return;
    // The binding keeps no pointer to a manager that goes (by then it is only
    // a component: compared by address), and takes one that comes when it names none.
    TsSkinManager* used = skinData_->SkinManager();
    if (operation == TOperation::opRemove && used && static_cast<TComponent*>(used) == component) {
        skinData_->SetSkinManager(nullptr);
        return;
    }
    if (auto* manager = dynamic_cast<TsSkinManager*>(component)) {
        if (operation == TOperation::opInsert && !used)
            skinData_->SetSkinManager(manager);
        return;
    }
    auto* control = dynamic_cast<TWinControl*>(component);
    if (operation == TOperation::opInsert && control && adapter_ && !IsLoading() && adapter_->Supports(control) &&
        control->HandleAllocated())
        AttachAdapters(control->Parent());
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
    if (!form_ || IsLoading())
        return;
    if (value)
        ApplyFormColor();
    else if (!skinData_->CustomColor())
        form_->SetColor(clBtnFace);  // the form's own colour comes back; a custom one was never replaced
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
    gripMask_ = -1;
    TsSkinManager* manager = SkinManager();
    if (!manager || !form_)
        return;
    const TsSkinModel& model = manager->Model();
    gripMask_ = model.GetMaskIndex(model.CommonIndexes().GlobalInfo, "GLOBALINFO", "GRIPIMAGE");
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
    std::vector<std::string> skins;
    TsSkinManager* manager = SkinManager();
    if (MakeSkinMenu && manager)
        manager->ListSkins(skins, 2);
    UINT command = systemMenu_.Popup(form_->Handle(), at, skins, manager ? manager->SkinName() : std::string());
    if (command >= TsSystemMenu::kFirstSkinCommand && command < TsSystemMenu::SkinCommand(skins.size())) {
        manager->SetSkinName(skins[command - TsSystemMenu::kFirstSkinCommand]);
        return;
    }
    if (command == SC_MINIMIZE)
        Minimize();
    else if (command)
        SendMessageA(form_->Handle(), WM_SYSCOMMAND, command, 0);
    if (command == SC_RESTORE || command == SC_MAXIMIZE)
        UpdateSystemMenu();
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

