#include "skin/dialogs/acDialogWnd.h"

#include "skin/dialogs/ShellHostWindows.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinModel.h"

namespace {

// WM_USER + 302, a private message of some of the system's dialogs, which
// they send to themselves once their controls have been laid out anew (it
// has no public documentation). Sender and answerer are the dialog's own
// procedure; WParam and LParam are its own and not read here. The adapter
// lets the dialog answer it first, then adapts the children it may have
// made and redraws.
constexpr UINT kDialogLayoutChanged = 0x52E;

}  // namespace

TacDialogState& DialogState()
{
    static TacDialogState state;
    return state;
}

TacDialogWnd::TacDialogWnd(HWND window, TsSkinManager* manager) : TacScrollWnd(window, "DIALOG", manager, nullptr)
{
    UpdateSystemMenu();
    SkinData().Updating = true;
}

TacDialogWnd::~TacDialogWnd() = default;

void TacDialogWnd::AfterSubclass(bool subclass)
{
    // The dialog is being shown while the activation hook runs: a frame
    // change now loses the showing under Wine (the dialog stays hidden).
    // Only a dialog with scroll bars of its own needs its frame computed again.
    if (GetWindowLongW(Window(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL))
        TacScrollWnd::AfterSubclass(subclass);
}

void TacDialogWnd::RestoreControlState()
{
    HWND window = Window();
    if (!setUp_ || !IsWindow(window))
        return;
    setUp_ = false;
    if (style_ & WS_SYSMENU)
        SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | WS_SYSMENU);
    SetWindowRgn(window, nullptr, FALSE);
    regionStale_ = true;
    // The frame and every child repaint in the window system's look (the
    // dialog's own WM_CTLCOLOR answers come back with its procedure).
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TacDialogWnd::SetUp()
{
    HWND window = Window();
    style_ = uint32_t(GetWindowLongW(window, GWL_STYLE));
    exStyle_ = uint32_t(GetWindowLongW(window, GWL_EXSTYLE));
    frameKind_ = DialogFrameKind(style_);
    icon_ = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon_)
        icon_ = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    // The skin draws the caption buttons; the window system must not.
    SetWindowLongW(window, GWL_STYLE, LONG(style_ & ~uint32_t(WS_SYSMENU)));
    titleSection_ = TsSectionRef::Resolve(SkinData().Section().Model, "FORMTITLE");
    setUp_ = true;
    ChooseButtonImages();
    UpdateSystemMenu();
}

TsDialogFrameFacts TacDialogWnd::Facts() const
{
    HWND window = Window();
    TsDialogFrameFacts d;
    d.kind = frameKind_;
    d.style = style_;
    d.exStyle = exStyle_;
    d.currentStyle = uint32_t(GetWindowLongW(window, GWL_STYLE));
    d.minimized = IsIconic(window);
    d.maximized = IsZoomed(window);
    d.hasIcon = icon_ != nullptr;
    d.smallIcon = {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    RECT w{}, c{};
    GetWindowRect(window, &w);
    GetClientRect(window, &c);
    d.window = {int(w.right - w.left), int(w.bottom - w.top)};
    d.client = {int(c.right), int(c.bottom)};
    const TsBarsLayout& bars = BarsLayout();
    d.hScrollHeight = bars.HVisible ? bars.HThickness : 0;
    d.vScrollWidth = bars.VVisible ? bars.VThickness : 0;
    return d;
}

TsFrameGeometry TacDialogWnd::Geometry() const
{
    TsSystemFrameMetrics m{GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CYSMCAPTION),
                           GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME),
                           GetSystemMetrics(SM_CXFRAME),    GetSystemMetrics(SM_CYFRAME),
                           GetSystemMetrics(SM_CYMENU)};
    return ComputeDialogGeometry(Facts(), m, MeasureCaptionImages(SkinData().Section().Model, slots_));
}

TsCaptionButtonRules TacDialogWnd::ButtonRules() const
{
    TsCaptionButtonRules r = DialogButtonRules(Facts());
    r.bigImages = slots_[cbClose].BigImage;
    const TsSkinModel* model = SkinData().Section().Model;
    r.verticalAlign = model ? model->SkinData().BIVAlign : 0;
    return r;
}

void TacDialogWnd::ChooseButtonImages()
{
    TsSkinManager* manager = SkinManager();
    if (!manager || !manager->Model().IsValidSectionIndex(manager->Model().CommonIndexes().GlobalInfo))
        return;
    ChooseCaptionImages(manager->Model(), DialogUsesBigImages(frameKind_), SkinData().SectionIndex(),
                        SkinData().SkinSection(), slots_, restoreMask_);
}

void TacDialogWnd::UpdateSystemMenu()
{
    systemMenu_.UpdateItems(SystemMenuStateOf(DialogFrameState(Facts()), Geometry()));
}

void TacDialogWnd::PopupSystemMenu(POINT at)
{
    UpdateSystemMenu();
    UINT command = systemMenu_.Popup(Window(), at);
    if (command)
        SendMessageW(Window(), WM_SYSCOMMAND, command, 0);
    if (command == SC_RESTORE || command == SC_MAXIMIZE)
        UpdateSystemMenu();
}

void TacDialogWnd::Redraw(UINT flags)
{
    RedrawWindow(Window(), nullptr, nullptr, flags);
}

bool TacDialogWnd::HandleCommand(TMessage& m)
{
    TsCommonData& data = SkinData();
    // Numbered commands outside the engine's named ones come too.
    switch (int(SkinCmdOf(m.WParam))) {
    case scSkinLoaded:
        if (!FromOwnManager(m))
            return false;
        data.ResolveIndexes();
        titleSection_ = TsSectionRef::Resolve(data.Section().Model, "FORMTITLE");
        ChooseButtonImages();
        data.CacheInvalid = true;
        m.Result = 0;
        return true;
    case scRepaint:
        if (!FromOwnManager(m))
            return false;
        data.ResolveIndexes();
        data.CacheInvalid = true;
        Redraw(RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        m.Result = 0;
        return true;
    case scSetUpdating:
        data.Updating = SkinCmdArgument(m.WParam) != 0;
        if (data.PaintingSuspended())
            data.CacheInvalid = true;
        return false;
    case scQueryCacheInvalid:
        m.Result = data.Updating;
        return true;
    case scQueryComplexBackground:
        m.Result = data.Section().IsValid() &&
                   data.Section().Data().GradientPercent + data.Section().Data().ImagePercent > 0;
        return true;
    case scQueryColor:
        m.Result = data.Section().IsValid() ? ResolveSkinColor(data.Section().Data().Color)
                                            : LRESULT(GetSysColor(COLOR_BTNFACE));
        return true;
    case scAttachChildren:
        AdaptChildrenNow();
        return false;
    case scQueryBackground:
        AnswerBackground(m);
        return true;
    case scQueryClientOffset: {
        Point offset = ClientOffset();
        m.Result = MAKELONG(offset.x, offset.y);
        return true;
    }
    default:
        return false;
    }
}

void TacDialogWnd::WndProc(TMessage& m)
{
    if (!setUp_ || !IsActive() || !Dispatch(m))
        TacScrollWnd::WndProc(m);
}

bool TacDialogWnd::Dispatch(TMessage& m)
{
    if (insideColors_.Handle(m, SkinManager(), [this](TMessage& passed) { TacScrollWnd::WndProc(passed); }))
        return true;
    switch (m.Msg) {
    case SM_SKINCMD:
        return HandleCommand(m);
    case WM_NCPAINT:
        return NcPaint(m);
    case WM_ERASEBKGND:
        EraseBackground(m);
        return true;
    case WM_PAINT:
        Paint(m);
        return true;
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
        caption_.SetHotHitCode(0);
        return false;
    case WM_MOUSEMOVE:
        MouseMove();
        return false;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        Resized(m);
        return true;
    case WM_ENABLE:
    case WM_SETTEXT:
        return StateChanged(m);
    case WM_NCACTIVATE:
        Activation(m);
        return true;
    case WM_CTLCOLORDLG:
        AnswerDialogColor(m);
        return true;
    case WM_DRAWITEM:
        DrawItem(m);
        return false;
    case WM_GETDLGCODE:
        m.Result = 0;
        return true;
    case kDialogLayoutChanged:
        LayoutChanged(m);
        return true;
    case WM_SYSCOMMAND:
        SysCommand(m);
        return true;
    default:
        return caption_.Handle(m);
    }
}

bool TacDialogWnd::NcPaint(TMessage& m)
{
    if (!IsVisible())
        return false;
    OutputFrame(m);
    return true;
}

void TacDialogWnd::MouseMove()
{
    if (IsEnabled())
        ClearHotWindow();
}

void TacDialogWnd::Resized(TMessage& m)
{
    SkinData().CacheInvalid = true;
    if (!DialogState().DialogRegionUpdating)
        regionStale_ = true;
    TacScrollWnd::WndProc(m);
    if (m.Msg == WM_SIZE && !Destroyed())
        Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool TacDialogWnd::StateChanged(TMessage& m)
{
    if (!IsVisible())
        return false;
    TacScrollWnd::WndProc(m);
    SkinData().CacheInvalid = true;
    SendMessageW(Window(), WM_NCPAINT, 1, 0);
    return true;
}

void TacDialogWnd::DrawItem(TMessage& m)
{
    if (auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam); item && item->CtlType == ODT_STATIC)
        SetBkMode(item->hDC, TRANSPARENT);
}

void TacDialogWnd::LayoutChanged(TMessage& m)
{
    CallOldHandler(m);
    AdaptChildrenNow();
    Redraw(RDW_FRAME | RDW_UPDATENOW | RDW_INVALIDATE);
}

void TacDialogWnd::AdaptChildrenNow()
{
    adaptPending_ = false;
    if (AttachChildren)
        AttachChildren();
}

void TacDialogWnd::AdaptChildrenSoon()
{
    // The child is not made yet: it is adapted once its creation is over,
    // by a posted command, which comes before the child's first WM_PAINT.
    // Children made in a row share one walk.
    if (adaptPending_)
        return;
    adaptPending_ = PostMessageW(Window(), SM_SKINCMD, SkinCmdParam(scAttachChildren), 0);
}

void TacDialogWnd::ChildCreated(HWND parent)
{
    HWND dialog = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    if (!dialog)
        return;
    auto* adapter = dynamic_cast<TacDialogWnd*>(TacMainWnd::FromWindow(dialog));
    if (!adapter || !adapter->setUp_ || !adapter->IsActive() || adapter->Destroyed() ||
        IsInsideShellHost(parent, dialog))
        return;
    adapter->AdaptChildrenSoon();
}
