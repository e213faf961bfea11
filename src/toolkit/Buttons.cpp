#include "toolkit/Buttons.h"

#include <algorithm>

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
    ControlStyle |= csSetCaption | csDoubleClicks;
    SetColor(clBtnFace);
}

void TButton::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClass = "BUTTON";
    p.Style |= WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::SetDefault(bool value)
{
    default_ = value;
    if (HandleAllocated() && !(GetWindowLongA(Handle(), GWL_STYLE) & BS_OWNERDRAW))
        SendMessageA(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

bool TButton::IsActive() const
{
    TCustomForm* form = ParentForm();
    TWinControl* focused = form ? form->ActiveControl() : nullptr;
    if (focused == this)
        return true;
    return default_ && !dynamic_cast<TButton*>(focused);
}

void TButton::Click()
{
    if (TCustomForm* form = ParentForm(); form && modalResult_ != mrNone)
        form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED)
            Click();
        m.Result = 0;
        return;
    case CM_DIALOGKEY:
        if (((m.WParam == VK_RETURN && IsActive()) || (m.WParam == VK_ESCAPE && cancel_)) &&
            CanFocus()) {
            Click();
            m.Result = 1;
            return;
        }
        m.Result = 0;
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::CreateParams(TCreateParams& p)
{
    TButton::CreateParams(p);
    p.Style = (p.Style & ~DWORD(BS_DEFPUSHBUTTON)) | BS_OWNERDRAW;
}

namespace {

// The modal result of bkAll: the one after the system's IDNO.
constexpr TModalResult kAllResult = IDNO + 1;

struct KindLook {
    const char* caption;
    TModalResult result;
    bool isDefault;
    bool isCancel;
};

KindLook LookOfKind(TBitBtnKind kind)
{
    switch (kind) {
    case TBitBtnKind::bkOK: return {"OK", mrOk, true, false};
    case TBitBtnKind::bkCancel: return {"Cancel", mrCancel, false, true};
    case TBitBtnKind::bkHelp: return {"&Help", mrNone, false, false};
    case TBitBtnKind::bkYes: return {"&Yes", IDYES, true, false};
    case TBitBtnKind::bkNo: return {"&No", IDNO, false, true};
    case TBitBtnKind::bkClose: return {"&Close", mrNone, false, false};
    case TBitBtnKind::bkAbort: return {"Abort", IDABORT, false, false};
    case TBitBtnKind::bkRetry: return {"&Retry", IDRETRY, false, false};
    case TBitBtnKind::bkIgnore: return {"&Ignore", IDIGNORE, false, false};
    case TBitBtnKind::bkAll: return {"&All", kAllResult, false, false};
    case TBitBtnKind::bkCustom: break;
    }
    return {nullptr, mrNone, false, false};
}

}  // namespace

void TBitBtn::SetKind(TBitBtnKind kind)
{
    kind_ = kind;
    KindLook look = LookOfKind(kind);
    if (!look.caption)
        return;
    // Form data that named its own caption keep it, whichever came first.
    if (!(IsLoading() && !Caption().empty()))
        SetCaption(look.caption);
    SetModalResult(look.result);
    if (look.isDefault)
        SetDefault(true);
    if (look.isCancel)
        SetCancel(true);
    if (kind == TBitBtnKind::bkOK && glyph_->LoadFromResourceName(GetModuleHandleA(nullptr), "BBOK"))
        SetNumGlyphs(2);
}

void TBitBtn::Click()
{
    if (kind_ == TBitBtnKind::bkClose) {
        if (TCustomForm* form = ParentForm()) {
            form->Close();
            return;
        }
    }
    TButton::Click();
}

void TBitBtn::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_DRAWITEM:
        DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = 1;
        return;
    case WM_LBUTTONDBLCLK:
        // A quick second click is a click, not a double click.
        m.Msg = WM_LBUTTONDOWN;
        break;
    case CM_FOCUSCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TButton::WndProc(m);
}

void TBitBtn::DrawGlyph(HDC dc, int x, int y, bool enabled)
{
    int cellWidth = glyph_->Width() / numGlyphs_;
    int cell = (!enabled && numGlyphs_ > 1) ? 1 : 0;
    HDC source = glyph_->Canvas().Handle();
    COLORREF key = GetPixel(source, 0, glyph_->Height() - 1);
    TransparentBlt(dc, x, y, cellWidth, glyph_->Height(), source, cell * cellWidth, 0, cellWidth,
                   glyph_->Height(), key);
}

void TBitBtn::DrawButton(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    SaveDcGuard saved(dc);
    Rect r = FromRECT(item.rcItem);
    bool pressed = item.itemState & ODS_SELECTED;
    bool focused = item.itemState & ODS_FOCUS;
    bool enabled = !(item.itemState & ODS_DISABLED);

    RECT frame = ToRECT(r);
    if (IsActive()) {
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&frame, -1, -1);
    }
    DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

    std::string caption = Caption();
    TCanvas canvas(dc);
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    Size text = canvas.TextExtent(caption);
    int glyphWidth = glyph_->Empty() ? 0 : glyph_->Width() / numGlyphs_;
    int glyphHeight = glyph_->Empty() ? 0 : glyph_->Height();
    int gap = (glyphWidth && !caption.empty()) ? spacing_ : 0;
    int total = glyphWidth + gap + text.width;
    int shift = pressed ? 1 : 0;
    int x = r.left + (r.Width() - total) / 2 + shift;
    if (glyphWidth)
        DrawGlyph(dc, x, r.top + (r.Height() - glyphHeight) / 2 + shift, enabled);
    Rect textRect = Rect::FromSize(x + glyphWidth + gap, r.top + shift, text.width + 1, r.Height());
    if (!enabled)
        canvas.Font().SetColor(clGrayText);
    canvas.DrawText(caption, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    canvas.SetHandle(nullptr);
    if (focused) {
        RECT focus = ToRECT(r.Inflated(-4, -4));
        ::DrawFocusRect(dc, &focus);
    }
}
