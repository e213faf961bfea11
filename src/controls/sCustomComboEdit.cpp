#include "controls/sCustomComboEdit.h"

#include <algorithm>

#include "controls/PvxGlyphImages.h"
#include "controls/sDefaultGlyphs.h"
#include "controls/sEditGlyphLayout.h"
#include "gfx/FadeCopy.h"
#include "gfx/Gray.h"
#include "gfx/MaskedCopy.h"
#include "skin/model/ControlKinds.h"
#include "toolkit/Form.h"

namespace {

constexpr int kGlyphFrames = 3;
constexpr int kDefaultFrameWidth = 20;
constexpr Rgb24 kNoKey{0xFF, 0x00, 0xFF};  // the glyphs have a mask, not a key colour

}  // namespace

void TsGlyphMode::Changed()
{
    edit_->GlyphChanged();
}

void TsGlyphMode::SetUseDefaultGlyph(bool value)
{
    useDefault_ = value;
    Changed();
}

void TsGlyphMode::SetGlyph(ConstView24 picture)
{
    glyph_.SetSize(std::max(picture.Width(), 1), std::max(picture.Height(), 1));
    glyph_.Assign(picture);
    useDefault_ = false;
    Changed();
}

void TsGlyphMode::SetBlend(int value)
{
    blend_ = std::clamp(value, 0, 100);
    Changed();
}

void TsGlyphMode::SetGrayed(bool value)
{
    grayed_ = value;
    Changed();
}

void TsGlyphMode::SetHint(const std::string& hint)
{
    hint_ = hint;
    edit_->Button().SetHint(hint);
}

TBitmap* TsGlyphMode::Current()
{
    if (!useDefault_)
        return glyph_.Empty() ? nullptr : &glyph_;
    return DefaultGlyph(edit_->DefaultGlyphName());
}

TsEditButton::TsEditButton(TsCustomComboEdit* edit) : TsSpeedButton(edit), edit_(edit)
{
    SkinData().SetSkinSection("SPEEDBUTTON");
    SetCursor(crArrow);
    SetParent(edit);
}

void TsEditButton::Click()
{
    TsSpeedButton::Click();
    edit_->ButtonClick();
}

bool TsEditButton::ShowsDisabled() const
{
    return TsSpeedButton::ShowsDisabled() || !edit_->Enabled();
}

TsDisabledKinds TsEditButton::DisabledLook() const
{
    return edit_->DisabledKind();
}

// The glyph frame of the state, through its mask, onto the button's face;
// grey and blended toward the face while the edit is idle.
void TsEditButton::PaintContent(View24 pixels, int state)
{
    TBitmap* glyph = edit_->GlyphMode().Current();
    if (!glyph || glyph->Empty())
        return;
    const Size picture{glyph->Width() / kGlyphFrames, glyph->Height() / 2};
    const bool over = SkinData().MouseOver;
    glyphFrame_ = EditGlyphFrame(state == 2, over);
    const Point at = EditGlyphPosition({Width(), Height()}, picture);
    const Rect frame = Rect::FromSize(glyphFrame_ * picture.width, 0, picture.width, picture.height);
    TsEditGlyphLook look = EditGlyphLook(edit_->SkinData().IsHot(), over, edit_->GlyphMode().Grayed(),
                                      edit_->GlyphMode().Blend());
    ConstView24 source = glyph->Pixels24();
    Image24 grey;
    if (look.gray) {
        grey = CopyImage(source);
        MakeGray(grey.View().Subview({0, 0, grey.Width(), picture.height}));
        source = grey.View();
    }
    if (look.blend == 0) {
        CopyMaskedGlyph(pixels, at, source, frame, picture.height, kNoKey, 0);
        return;
    }
    Image24 layer = CopyImage(pixels);
    CopyMaskedGlyph(layer.View(), at, source, frame, picture.height, kNoKey, 0);
    Rect area = Rect::FromSize(at.x, at.y, picture.width, picture.height);
    FadeCopyRect(pixels, {area.left, area.top}, std::nullopt, look.blend / 100.0, area, layer.View());
}

TsCustomComboEdit::TsCustomComboEdit(TComponent* owner) : TsCustomComboEdit(owner, kKindComboEdit) {}

TsCustomComboEdit::TsCustomComboEdit(TComponent* owner, int controlKind)
    : TsMaskEdit(owner, controlKind), button_(new TsEditButton(this))
{
    PlaceButton();
}

void TsCustomComboEdit::Loaded()
{
    TsMaskEdit::Loaded();
    button_->Loaded();
    PlaceButton();
    SetTextArea();
}

void TsCustomComboEdit::InitializeWindow()
{
    TsMaskEdit::InitializeWindow();
    UpdateWindowReadOnly();
    PlaceButton();
    SetTextArea();
}

void TsCustomComboEdit::SetShowButton(bool value)
{
    showButton_ = value;
    GlyphChanged();
}

void TsCustomComboEdit::SetDirectInput(bool value)
{
    directInput_ = value;
    UpdateWindowReadOnly();
}

void TsCustomComboEdit::SetReadOnly(bool value)
{
    readOnly_ = value;
    UpdateWindowReadOnly();
}

// The system edit refuses typing, pasting, cutting and deleting while it is read-only.
void TsCustomComboEdit::UpdateWindowReadOnly()
{
    TCustomEdit::SetReadOnly(!TypingAllowed());
}

void TsCustomComboEdit::GlyphChanged()
{
    PlaceButton();
    SetTextArea();
    button_->InvalidateLook();
}

void TsCustomComboEdit::ButtonClick()
{
    if (readOnly_)
        return;
    if (OnButtonClick)
        OnButtonClick(this);
    ButtonAction();
}

Size TsCustomComboEdit::ClientSize() const
{
    if (HandleAllocated()) {
        Rect client = ClientRect();
        return {client.Width(), client.Height()};
    }
    // Before the window exists: the client edge is 2 pixels on every side.
    return {std::max(Width() - 4, 0), std::max(Height() - 4, 0)};
}

void TsCustomComboEdit::PlaceButton()
{
    TBitmap* glyph = glyphMode_.Current();
    int frameWidth = glyph && !glyph->Empty() ? glyph->Width() / kGlyphFrames : kDefaultFrameWidth;
    int width = EditButtonWidth(frameWidth, showButton_);
    Size client = ClientSize();
    button_->SetBounds(client.width - width, 0, width, client.height);
    button_->SetVisible(showButton_);
}

// The text never runs under the button: the edit's formatting rectangle ends
// where the button begins. A one-line system edit keeps its text within its
// margins, so the right margin is the button's width; a multi-line edit
// (which a formatting rectangle would need) would also take line breaks
// from Enter and from pasted text, which a path must not hold.
void TsCustomComboEdit::SetTextArea()
{
    if (!HandleAllocated())
        return;
    Size client = ClientSize();
    Rect area = EditTextArea(client, showButton_ ? button_->Width() : 0);
    SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(area.left, client.width - area.right));
}

Rect TsCustomComboEdit::TextArea() const
{
    if (!HandleAllocated())
        return {};
    RECT r{};
    SendMessageA(const_cast<TsCustomComboEdit*>(this)->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return FromRECT(r);
}

void TsCustomComboEdit::LookChanged()
{
    TsMaskEdit::LookChanged();
    SetTextArea();
    button_->InvalidateLook();
}

// The click key runs the button; Enter and Escape go to the form as dialog
// keys first, then Enter is consumed and Escape goes on as usual.
bool TsCustomComboEdit::HandleKeyDown(TMessage& m)
{
    bool alt = (m.LParam & (1 << 29)) || GetKeyState(VK_MENU) < 0;
    TShortCut pressed = TShortCut((m.WParam & 0xFF) | (GetKeyState(VK_SHIFT) < 0 ? scShift : 0) |
                                  (GetKeyState(VK_CONTROL) < 0 ? scCtrl : 0) | (alt ? scAlt : 0));
    if (ClickKey != 0 && pressed == ClickKey) {
        ButtonClick();
        m.Result = 1;
        return true;
    }
    if (m.Msg == CN_KEYDOWN && m.WParam == VK_RETURN) {
        TsMaskEdit::WndProc(m);
        m.Result = 1;
        return true;
    }
    return false;
}

void TsCustomComboEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_KEYDOWN:
    case CN_BASE + WM_SYSKEYDOWN:
        if (HandleKeyDown(m))
            return;
        break;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
        TsMaskEdit::WndProc(m);
        SetTextArea();
        return;
    case WM_SETFOCUS:
        TsMaskEdit::WndProc(m);
        if (AutoSelect && HandleAllocated())
            SendMessageA(Handle(), EM_SETSEL, 0, -1);
        return;
    case WM_PASTE:
    case WM_CUT:
        if (!TypingAllowed()) {
            MessageBeep(MB_OK);
            m.Result = 0;
            return;
        }
        break;
    case WM_SIZE:
    case CM_FONTCHANGED:
        TsMaskEdit::WndProc(m);
        PlaceButton();
        SetTextArea();
        return;
    default:
        break;
    }
    TsMaskEdit::WndProc(m);
}
