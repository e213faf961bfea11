#include "controls/PvxButton.h"

#include "controls/PvxButtonSkin.h"
#include "controls/PvxGlyphImages.h"
#include "controls/PvxResourcePicture.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/Timer.h"

TPvxCustomButton::TPvxCustomButton(TComponent* owner)
    : TButton(owner), canvas_(std::make_unique<TCanvas>())
{
    // The button paints every pixel: no background erase before its paint.
    ControlStyle |= csOpaque;
    SetParentColor(true);
    layout_.OnChange = [this] { Changed(); };
    fontFx_.OnChange = [this] { Changed(); };
}

TPvxCustomButton::~TPvxCustomButton()
{
    StopRepeating();
}

void TPvxCustomButton::CreateParams(TCreateParams& p)
{
    TButton::CreateParams(p);
    p.Style = (p.Style & ~DWORD(BS_DEFPUSHBUTTON)) | BS_OWNERDRAW;
}

void TPvxCustomButton::Changed()
{
    if (!IsLoading())
        Invalidate();
}

void TPvxCustomButton::SetButtonStyle(TPvxUserButtonStyle style)
{
    style_ = style;
    glyph_.SetGlyphStyle(UsesGlyphStyle(style));
    Changed();
}

void TPvxCustomButton::SetGlyph(ConstView32 picture)
{
    glyph_.Assign(picture);
    Changed();
}

void TPvxCustomButton::SetGlyph(ConstView24 picture)
{
    glyph_.Assign(picture);
    Changed();
}

void TPvxCustomButton::ClearGlyph()
{
    glyph_.Clear();
    Changed();
}

void TPvxCustomButton::LoadGlyphFromResourceName(HINSTANCE instance, const char* name)
{
    TPvxResourcePicture picture = LoadResourcePicture(instance, name);
    if (picture.bitsPerPixel == 32) {
        SetGlyph(picture.pixels.View());
        return;
    }
    Image24 pixels = DropAlpha(picture.pixels.View());
    SetGlyph(pixels.View());
}

void TPvxCustomButton::SetNumGlyphs(int count)
{
    if (glyph_.SetNumGlyphs(count))
        Changed();
}

void TPvxCustomButton::SetUseCaption(bool value)
{
    useCaption_ = value;
    Changed();
}

void TPvxCustomButton::SetMultiLine(bool value)
{
    multiLine_ = value;
    Changed();
}

void TPvxCustomButton::SetThemeMode(TPvxThemeMode mode)
{
    themeMode_ = mode;
    Changed();
}

void TPvxCustomButton::SetThemeGlobalMode(bool value)
{
    themeGlobalMode_ = value;
    Changed();
}

void TPvxCustomButton::SetRepeatedClick(bool value)
{
    repeatedClick_ = value;
    if (!value)
        StopRepeating();
}

bool TPvxCustomButton::IsThemed() const
{
    return IsThemeableStyle(style_) &&
           TPvxThemeServices::Instance().UseThemes(themeMode_, themeGlobalMode_);
}

// Hover changes show at once in the classic frame; a themed or transparent
// button lets the next paint show them.
void TPvxCustomButton::HoverRepaint()
{
    if (!HandleAllocated())
        return;
    Invalidate();
    if (!IsThemed() && !IsTransparentStyle(style_))
        UpdateWindow(Handle());
}

void TPvxCustomButton::MouseEntered()
{
    if (ComponentState() & csDesigning)
        return;
    if (drawState_ == TPvxDrawState::Normal && OnMouseEnter)
        OnMouseEnter(this);
    if (!mouseInside_) {
        mouseInside_ = true;
        HoverRepaint();
    }
}

void TPvxCustomButton::MouseLeft()
{
    if (OnMouseExit)
        OnMouseExit(this);
    if (mouseInside_) {
        mouseInside_ = false;
        drawState_ = TPvxDrawState::Normal;
        HoverRepaint();
    }
    if (hideHint_ && Application)
        Application->CancelHint();
}

void TPvxCustomButton::StartRepeating()
{
    StopRepeating();
    repeatTimer_ = new TTimer(nullptr);
    repeatTimer_->SetInterval(repeatingDelay_);
    repeatTimer_->OnTimer = [this](TComponent*) { RepeatTick(); };
}

void TPvxCustomButton::StopRepeating()
{
    delete repeatTimer_;
    repeatTimer_ = nullptr;
}

void TPvxCustomButton::RepeatTick()
{
    repeatTimer_->SetInterval(repeatingInterval_);
    POINT pt{};
    GetCursorPos(&pt);
    if (HandleAllocated() && WindowFromPoint(pt) == Handle())
        Click();
}

void TPvxCustomButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_DRAWITEM:
        DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = 1;
        return;
    case WM_LBUTTONDBLCLK:
        // A quick second click is a second press, so it clicks again.
        m.Msg = WM_LBUTTONDOWN;
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (repeatedClick_ && Enabled())
            StartRepeating();
        break;
    case WM_LBUTTONUP:
        StopRepeating();
        break;
    case CM_MOUSEENTER:
        MouseEntered();
        return;
    case CM_MOUSELEAVE:
        MouseLeft();
        return;
    case CM_VISIBLECHANGED:
        if (!Visible())
            StopRepeating();
        break;
    case SM_SKINCMD:
        if (ChangesSkinFace(SkinCmdOf(m.WParam))) {
            skinFaceStale_ = true;
            Invalidate();
        }
        break;
    case CM_FONTCHANGED:
        skinFaceStale_ = true;
        break;
    case CM_FOCUSCHANGED:  // the active flag may have changed
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case WM_THEMECHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TButton::WndProc(m);
}

const TsSectionRef& TPvxCustomButton::SkinFace()
{
    if (skinFaceStale_) {
        skinFace_ = SkinButtonFace(Font().Color());
        skinFaceStale_ = false;
    }
    return skinFace_;
}

void TPvxCustomButton::FillFace(const Rect& r)
{
    canvas_->Brush().SetStyle(TBrushStyle::bsSolid);
    canvas_->Brush().SetColor(Color());
    canvas_->FillRect(r);
}

void TPvxCustomButton::DrawButton(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    SaveDcGuard saved(dc);
    canvas_->SetHandle(dc);
    Rect client{0, 0, Width(), Height()};
    bool focused = item.itemState & ODS_FOCUS;
    drawState_ = ChooseDrawState(Enabled(), item.itemState & ODS_SELECTED, mouseInside_);
    if (const TsSectionRef& face = SkinFace(); face.IsValid()) {
        DrawSkinnedButton(dc, face);
        canvas_->SetHandle(nullptr);
        return;
    }
    bool themed = IsThemed();
    if (themed || IsTransparentStyle(style_))
        FillFace(client);
    Rect content;
    // Should the visual style fail to draw (its data gone in a theme switch),
    // the classic frame stands in.
    if (!themed || !DrawThemedFrame(dc, client, focused, content))
        content = DrawClassicFrame(dc, client, focused);
    if (style_ != TPvxUserButtonStyle::ubsCombo)
        DrawContent(dc, content, Font().Color());
    canvas_->SetHandle(nullptr);
}

// The skin's face in the themed frame's place: the content keeps the themed
// rectangle (it does not shift when pressed) and the focus rectangle.
void TPvxCustomButton::DrawSkinnedButton(HDC dc, const TsSectionRef& face)
{
    TBitmap buffer(Width(), Height());
    if (buffer.Empty())
        return;
    int state = drawState_ == TPvxDrawState::Pressed ? 2 : (drawState_ == TPvxDrawState::Hot ? 1 : 0);
    PaintSkinButtonFace(buffer.Pixels24(), face, state, BackgroundBehind(this));
    HDC bufferDc = buffer.Canvas().Handle();
    canvas_->SetHandle(bufferDc);
    Rect content = ThemedFrame({0, 0, Width(), Height()}).content;
    if (style_ != TPvxUserButtonStyle::ubsCombo)
        DrawContent(bufferDc, content, SkinButtonTextColor(face, state != 0));
    if (IsActive() && Enabled()) {
        SetTextColor(bufferDc, RGB(0, 0, 0));
        RECT r = ToRECT(content);
        DrawFocusRect(bufferDc, &r);
    }
    buffer.DrawTo(dc, 0, 0);
}

bool TPvxCustomButton::DrawThemedFrame(HDC dc, const Rect& client, bool focused, Rect& content)
{
    TPvxThemedFrame frame = ThemedFrame(client);
    int state = ThemePushButtonState(drawState_, focused, mouseInside_);
    if (!TPvxThemeServices::Instance().DrawPushButton(dc, ToRECT(frame.part), state))
        return false;
    content = frame.content;
    if (IsActive() && Enabled()) {
        SetTextColor(dc, RGB(0, 0, 0));
        RECT focus = ToRECT(content);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

Rect TPvxCustomButton::DrawClassicFrame(HDC dc, const Rect& client, bool focused)
{
    TPvxClassicFrame frame =
        ClassicFrame(client, drawState_, mouseInside_, IsActive() && Enabled(), focused);
    FillFace(client);
    if (frame.outline) {
        canvas_->Pen().SetColor(clWindowFrame);
        canvas_->Brush().SetStyle(TBrushStyle::bsClear);
        canvas_->Rectangle(client);
    }
    DrawEdgeOf(dc, frame);
    if (frame.focusRect) {
        canvas_->Brush().SetStyle(TBrushStyle::bsSolid);
        COLORREF saved = SetTextColor(dc, RGB(0, 0, 0));
        RECT focus = ToRECT(frame.focus);
        DrawFocusRect(dc, &focus);
        SetTextColor(dc, saved);
    }
    return frame.content;
}

void TPvxCustomButton::DrawEdgeOf(HDC dc, const TPvxClassicFrame& frame)
{
    RECT r = ToRECT(frame.edge);
    switch (frame.edgeKind) {
    case TPvxEdgeKind::Sunken:
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        break;
    case TPvxEdgeKind::Hot:
        DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT | BF_SOFT | BF_ADJUST);
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RIGHT | BF_BOTTOM | BF_ADJUST);
        break;
    case TPvxEdgeKind::Raised:
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        break;
    }
}

void TPvxCustomButton::DrawContent(HDC dc, const Rect& content, TColor textColor)
{
    canvas_->Font().Assign(Font());
    SelectGuard font(dc, canvas_->Font().Handle());
    std::string caption = useCaption_ ? Caption() : std::string();
    Size glyph = glyph_.ImageSize();
    int spacing = GlyphTextSpacing(!glyph_.Empty(), useCaption_, layout_.Spacing());
    UINT measureFormat = DT_EXPANDTABS | (multiLine_ ? DT_WORDBREAK : 0);
    Size measured = MeasureCaption(canvas_->Font(), MeasuredText(caption), measureFormat,
                                   CaptionWrapWidth(content.Width(), spacing, glyph.width));

    TPvxGlyphTextInput input;
    input.content = content;
    input.glyph = glyph;
    input.textBox = {measured.width + 2, measured.height + 2};
    input.hasCaption = useCaption_;
    input.arrange = layout_.AlignText2Glyph();
    input.alignment = layout_.Alignment();
    input.spacing = layout_.Spacing();
    input.offset = {layout_.OffsetX(), layout_.OffsetY()};
    TPvxGlyphTextBoxes boxes = PlaceGlyphAndText(input);

    UINT format = DT_EXPANDTABS;
    if (multiLine_)
        format |= DT_WORDBREAK | AlignmentTextFormat(layout_.Alignment());
    DrawCaption(dc, caption, boxes.text, format,
                ButtonCaptionLook(Enabled(), fontFx_.DisabledStyle()), textColor, fontFx_);
    if (!glyph_.Empty())
        glyph_.Draw(dc, boxes.glyph.left, boxes.glyph.top, drawState_);
}
