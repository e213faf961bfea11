#include "controls/PvxLabel.h"

#include "toolkit/Handles.h"
#include "toolkit/SysUtils.h"
#include "toolkit/Timer.h"
#include "toolkit/WinControl.h"

TPvxBaseLabel::TPvxBaseLabel(TComponent* owner) : TPvxBaseGraphicControl(owner)
{
    fontFx_.OnChange = [this] { LayoutChanged(); };
}

void TPvxBaseLabel::SetAlignment(TPvxAlignment value)
{
    alignment_ = value;
    LayoutChanged();
}

TPvxCustomLabel::TPvxCustomLabel(TComponent* owner) : TPvxBaseLabel(owner)
{
    ControlStyle |= csSetCaption | csClickEvents | csCaptureMouse;
    SetBounds(0, 0, 30, 30);
    SetParentColor(true);
    bevel_.OnChange = [this] { LayoutChanged(); };
}

TPvxCustomLabel::~TPvxCustomLabel()
{
    delete twinkleTimer_;
}

void TPvxCustomLabel::LayoutChanged()
{
    AdjustSize();
    RepaintControl();
}

void TPvxCustomLabel::SetAutoSize(bool value)
{
    autoSize_ = value;
    AdjustSize();
}

void TPvxCustomLabel::SetMultiLine(bool value)
{
    multiLine_ = value;
    LayoutChanged();
}

void TPvxCustomLabel::SetShowAccelChar(bool value)
{
    showAccelChar_ = value;
    RepaintControl();
}

void TPvxCustomLabel::SetOptions(TPvxLabelOptions value)
{
    options_ = value;
    LayoutChanged();
}

void TPvxCustomLabel::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    if (value)
        ControlStyle &= ~unsigned(csOpaque);
    else
        ControlStyle |= csOpaque;
    if (Visible())
        RepaintControl();
}

void TPvxCustomLabel::SetFocusControl(TWinControl* control)
{
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = control;
    if (control)
        control->FreeNotification(this);
}

void TPvxCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TPvxBaseLabel::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TPvxCustomLabel::SetTwinkle(bool value)
{
    if (value == Twinkle())
        return;
    if (value && !(ComponentState() & csDesigning)) {
        twinkleTimer_ = new TTimer(nullptr);
        twinkleTimer_->SetInterval(TwinkleVisible);
        twinkleTimer_->OnTimer = [this](TComponent*) { TwinkleTick(); };
        return;
    }
    delete twinkleTimer_;
    twinkleTimer_ = nullptr;
    if (!twinkleVisible_) {
        twinkleVisible_ = true;
        RepaintControl();
    }
}

void TPvxCustomLabel::TwinkleTick()
{
    twinkleVisible_ = !twinkleVisible_;
    twinkleTimer_->SetInterval(twinkleVisible_ ? TwinkleVisible : TwinkleInVisible);
    RepaintControl();
}

void TPvxCustomLabel::Loaded()
{
    TPvxBaseLabel::Loaded();
    AdjustSize();
}

std::string TPvxCustomLabel::MeasuredCaption() const
{
    std::string caption = Caption();
    if (caption.empty() || (showAccelChar_ && caption == "&"))
        return " ";
    return caption;
}

UINT TPvxCustomLabel::MeasureFormat() const
{
    UINT format = DT_EXPANDTABS;
    if (multiLine_)
        format |= DT_WORDBREAK;
    if (!showAccelChar_)
        format |= DT_NOPREFIX;
    if (options_ & loEndEllipsis)
        format |= DT_END_ELLIPSIS;
    if (options_ & loPathEllipsis)
        format |= DT_PATH_ELLIPSIS;
    if (options_ & loEditControl)
        format |= DT_EDITCONTROL;
    return format;
}

UINT TPvxCustomLabel::TextFormat() const
{
    UINT format = MeasureFormat() | DT_WORDBREAK | AlignmentTextFormat(Alignment());
    if (!autoSize_ && !multiLine_)
        format |= DT_SINGLELINE;
    return format;
}

void TPvxCustomLabel::AdjustSize()
{
    if (!autoSize_ || IsLoading())
        return;
    Size measured = MeasureCaption(Font(), MeasuredCaption(), MeasureFormat(), Width());
    Size size = AutoSizeForText(measured, bevel_.Extent());
    SetBounds(Left(), Top(), size.width, size.height);
}

// A wrapped caption in the centre or bottom row is measured first and its
// block placed in the text rectangle, since the platform centres only single
// lines vertically.
Rect TPvxCustomLabel::PlaceWrappedText(const Rect& textRect, UINT format) const
{
    Size block = MeasureCaption(Font(), MeasuredCaption(), format & ~UINT(DT_VCENTER | DT_BOTTOM),
                                textRect.Width() - 1);
    int row = AlignmentRow(Alignment());
    int column = AlignmentColumn(Alignment());
    int dx = column == 0 ? 0 : column == 1 ? (textRect.Width() - block.width) / 2
                                           : textRect.Width() - block.width;
    int dy = row == 1 ? (textRect.Height() - block.height) / 2 : textRect.Height() - block.height;
    return Rect::FromSize(textRect.left + dx, textRect.top + dy, block.width, block.height);
}

void TPvxCustomLabel::PaintControl()
{
    HDC dc = Canvas().Handle();
    int extent = bevel_.Extent();
    bool designing = ComponentState() & csDesigning;
    if (transparent_ && Caption().empty() && extent == 0) {
        if (designing) {
            UniquePen dashed(CreatePen(PS_DASH, 1, RGB(0, 0, 0)));
            SaveDcGuard saved(dc);
            SelectObject(dc, dashed.Get());
            SelectObject(dc, GetStockObject(NULL_BRUSH));
            Rectangle(dc, 0, 0, Width(), Height());
        }
        return;
    }
    SaveDcGuard saved(dc);
    Rect textRect = ClientRect();
    if (!transparent_) {
        UniqueBrush face(CreateSolidBrush(ColorToRGB(Color())));
        RECT r = ToRECT(textRect);
        FillRect(dc, &r, face.Get());
    }
    if (extent > 0) {
        bevel_.Draw(dc, textRect, Color(), transparent_);
        textRect = textRect.Inflated(-extent, -extent);
        IntersectClipRect(dc, textRect.left, textRect.top, textRect.right, textRect.bottom);
    }
    UINT format = TextFormat();
    if (!autoSize_ && multiLine_ && AlignmentRow(Alignment()) != 0)
        textRect = PlaceWrappedText(textRect, format);

    TPvxCaptionLook look = LabelCaptionLook(Enabled(), FontFX().DisabledStyle());
    TColor color = Font().Color();
    if (!twinkleVisible_) {
        if (TwinkleColor == clNone)
            return;
        look = TPvxCaptionLook::Normal;
        color = TwinkleColor;
    }
    SelectGuard font(dc, Canvas().Font().Handle());
    SetBkColor(dc, ColorToRGB(Color()));
    DrawCaption(dc, Caption(), textRect, format, look, color, FontFX());
}

bool TPvxCustomLabel::IsAccelerator(WPARAM key) const
{
    // Characters arrive in UTF-16 from the wide message loop; the caption is
    // compared in UTF-16 too, in the system's upper case for any script.
    std::wstring caption = FromSystemCodePage(Caption());
    CharUpperBuffW(caption.data(), DWORD(caption.size()));
    wchar_t typed[] = {wchar_t(key), L'\0'};
    CharUpperBuffW(typed, 1);
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        if (caption[i + 1] == L'&') {
            ++i;  // "&&" is a plain ampersand
            continue;
        }
        return key <= 0xFFFF && caption[i + 1] == typed[0];
    }
    return false;
}

void TPvxCustomLabel::MouseEntered()
{
    if ((options_ & loShowLabelHint) && Hint().empty()) {
        SetHint(Caption());
        hintFromCaption_ = true;
    }
}

void TPvxCustomLabel::MouseLeft()
{
    if (hintFromCaption_) {
        SetHint("");
        hintFromCaption_ = false;
    }
}

void TPvxCustomLabel::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        LayoutChanged();
        return;
    case CM_COLORCHANGED:
    case CM_ENABLEDCHANGED:
        RepaintControl();
        return;
    case CM_DIALOGCHAR:
        if (showAccelChar_ && focusControl_ && Enabled() && IsAccelerator(m.WParam) &&
            focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            m.Result = 1;
            return;
        }
        break;
    case CM_MOUSEENTER:
        MouseEntered();
        break;
    case CM_MOUSELEAVE:
        MouseLeft();
        break;
    default:
        break;
    }
    TPvxBaseLabel::WndProc(m);
}
