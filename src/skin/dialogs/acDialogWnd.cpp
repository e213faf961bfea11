#include "skin/dialogs/acDialogWnd.h"

#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinModel.h"

namespace {

// Sent by some dialogs of the system when their layout changes.
constexpr UINT kDialogLayoutChanged = 0x52E;
// Asks a dialog adapter to adapt its new children.
constexpr int kAttachChildren = 28;

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
    case kAttachChildren:
        if (AttachChildren)
            AttachChildren();
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
    if (!setUp_ || !IsActive()) {
        TacScrollWnd::WndProc(m);
        return;
    }
    if (insideColors_.Handle(m, SkinManager(), [this](TMessage& passed) { TacScrollWnd::WndProc(passed); }))
        return;
    TsCommonData& data = SkinData();
    switch (m.Msg) {
    case SM_SKINCMD:
        if (HandleCommand(m))
            return;
        break;
    case WM_NCPAINT:
        if (IsVisible()) {
            OutputFrame(m);
            return;
        }
        break;
    case WM_ERASEBKGND:
        EraseBackground(m);
        return;
    case WM_NCHITTEST:
        caption_.HitTest(m);
        return;
    case WM_NCLBUTTONDOWN:
        caption_.NcLButtonDown(m);
        return;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:  // a release over the client never sets off a held caption button
        caption_.ButtonUp(m);
        return;
    case WM_NCLBUTTONDBLCLK:
        caption_.NcLButtonDblClk(m);
        return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
        caption_.NcRButton(m);
        return;
    case WM_NCMOUSELEAVE:
        caption_.SetHotHitCode(0);
        break;
    case WM_MOUSEMOVE:
        if (IsEnabled())
            ClearHotWindow();
        break;
    case WM_MOUSELEAVE:
        caption_.SetHotHitCode(0);
        break;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        data.CacheInvalid = true;
        if (!DialogState().DialogRegionUpdating)
            regionStale_ = true;
        TacScrollWnd::WndProc(m);
        if (m.Msg == WM_SIZE && !Destroyed())
            Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    case WM_ENABLE:
    case WM_SETTEXT:
        if (IsVisible()) {
            TacScrollWnd::WndProc(m);
            data.CacheInvalid = true;
            SendMessageW(Window(), WM_NCPAINT, 1, 0);
            return;
        }
        break;
    case WM_NCACTIVATE:
        Activation(m);
        return;
    case WM_CTLCOLORDLG:
        AnswerDialogColor(m);
        return;
    case WM_DRAWITEM:
        if (auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam); item && item->CtlType == ODT_STATIC)
            SetBkMode(item->hDC, TRANSPARENT);
        break;
    case WM_GETDLGCODE:
        m.Result = 0;
        return;
    case kDialogLayoutChanged:
        CallOldHandler(m);
        if (AttachChildren)
            AttachChildren();
        Redraw(RDW_FRAME | RDW_UPDATENOW | RDW_INVALIDATE);
        return;
    case WM_SYSCOMMAND:
        SysCommand(m);
        return;
    case WM_PAINT:
        CallOldHandler(m);
        return;
    default:
        break;
    }
    TacScrollWnd::WndProc(m);
}
