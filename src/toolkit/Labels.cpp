#include "toolkit/Labels.h"

#include "toolkit/WinControl.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    ControlStyle |= csOpaque | csSetCaption | csClickEvents | csCaptureMouse;
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TCustomLabel::SetAutoSize(bool value)
{
    autoSize_ = value;
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    layout_ = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value)
{
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value)
{
    transparent_ = value;
    if (value)
        ControlStyle &= ~unsigned(csOpaque);
    else
        ControlStyle |= csOpaque;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetEllipsisPosition(TEllipsisPosition value)
{
    if (value == ellipsisPosition_)
        return;
    ellipsisPosition_ = value;
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control)
{
    focusControl_ = control;
    if (control)
        control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

std::string TCustomLabel::DisplayText() const
{
    std::string text = Caption();
    if (text.empty() || (showAccelChar_ && text == "&"))
        text += ' ';
    return text;
}

UINT TCustomLabel::DrawTextFlags() const
{
    UINT flags = DT_EXPANDTABS;
    switch (alignment_) {
    case TAlignment::taLeftJustify: flags |= DT_LEFT; break;
    case TAlignment::taRightJustify: flags |= DT_RIGHT; break;
    case TAlignment::taCenter: flags |= DT_CENTER; break;
    }
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    if (UseRightToLeftReading())
        flags |= DT_RTLREADING;
    switch (ellipsisPosition_) {
    case TEllipsisPosition::epNone: break;
    case TEllipsisPosition::epPathEllipsis: flags |= DT_PATH_ELLIPSIS; break;
    case TEllipsisPosition::epEndEllipsis: flags |= DT_END_ELLIPSIS; break;
    case TEllipsisPosition::epWordEllipsis: flags |= DT_WORD_ELLIPSIS; break;
    }
    return flags;
}

UINT TCustomLabel::FlagsForDrawText(UINT flags)
{
    if (flags & DT_CALCRECT)
        flags &= ~UINT(DT_PATH_ELLIPSIS | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS);
    return flags;
}

void TCustomLabel::AdjustBounds()
{
    if (IsLoading() || !autoSize_)
        return;
    HDC screen = GetDC(nullptr);
    Rect r{0, 0, wordWrap_ ? Width() : 0, 0};
    {
        TCanvas measure(screen);
        measure.Font().Assign(Font());
        DoDrawText(measure, r, DrawTextFlags() | DT_CALCRECT);
    }
    ReleaseDC(nullptr, screen);
    int left = Left();
    if (alignment_ == TAlignment::taRightJustify)
        left = Left() + Width() - r.Width();
    SetBounds(left, Top(), r.Width(), r.Height());
}

void TCustomLabel::DoDrawText(TCanvas& canvas, Rect& rect, UINT flags)
{
    flags = FlagsForDrawText(flags);
    if (!(flags & DT_CALCRECT) && !Enabled()) {
        canvas.Font().SetColor(clBtnHighlight);
        Rect shadow = rect.Translated(1, 1);
        canvas.DrawText(DisplayText(), shadow, flags);
        canvas.Font().SetColor(clBtnShadow);
    }
    canvas.DrawText(DisplayText(), rect, flags);
}

void TCustomLabel::Paint()
{
    Rect client = ClientRect();
    if (!transparent_) {
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(client);
    }
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    UINT flags = DrawTextFlags();
    Rect textRect = client;
    if (layout_ != TTextLayout::tlTop) {
        Rect measured = client;
        DoDrawText(Canvas(), measured, flags | DT_CALCRECT);
        int offset = client.Height() - measured.Height();
        textRect.top += layout_ == TTextLayout::tlCenter ? offset / 2 : offset;
    }
    DoDrawText(Canvas(), textRect, flags);
}

void TCustomLabel::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_BIDIMODECHANGED:
        AdjustBounds();
        Invalidate();
        return;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}
