#include "controls/sLabel.h"

#include <algorithm>

#include "controls/sMaskEdit.h"
#include "gfx/ColorBlend.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/gdi/SkinItemToDC.h"
#include "skin/model/SkinModel.h"
#include "toolkit/WinControl.h"

namespace {

// Set while a label resolves its font colour: the font changes it makes are
// not measured or repainted, and no other label resolves its colour meanwhile.
bool paintGuard = false;

// The default manager while its skin is active, else nullptr.
TsSkinManager* ActiveManager()
{
    TsSkinManager* manager = DefaultManager();
    return manager && manager->Model().SkinData().Active ? manager : nullptr;
}

// The section a label's parents lend it their font from: the first parent
// whose section is at most 50 % transparent (or that has no parent itself),
// when its section gives its own font.
TsSectionRef LendingSection(const TControl* label, const TsSkinModel& model)
{
    for (TWinControl* parent = label->Parent(); parent; parent = parent->Parent()) {
        LRESULT answer = SendSkinCommand(parent, scQuerySectionIndex);
        if (answer <= 0)
            return {};
        TsSectionRef section = TsSectionRef::ResolveIndex(&model, int(answer - 1));
        if (!section.IsValid())
            return {};
        if (section.Data().Transparency > 50 && parent->Parent())
            continue;
        return section.Data().GiveOwnFont ? section : TsSectionRef{};
    }
    return {};
}

void SetFontColor(TControl* control, TColor color)
{
    if (color != kSkinKeyColor && color != control->Font().Color())
        control->Font().SetColor(color);
}

}  // namespace

TsCustomLabel::TsCustomLabel(TComponent* owner) : TCustomLabel(owner)
{
    SetTransparent(true);
}

void TsCustomLabel::SetSkinSection(const std::string& section)
{
    if (section == skinSection_)
        return;
    skinSection_ = section;
    Repaint();
}

std::string TsCustomLabel::TextToDraw(UINT flags) const
{
    std::string text = Caption();
    if ((flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == "&")))
        text += ' ';
    return text;
}

void TsCustomLabel::TakeWindowTextColor()
{
    if (Font().Color() != clWindowText)
        Font().SetColor(clWindowText);
}

void TsCustomLabel::ApplySkinFontColor()
{
    TsSkinManager* manager = ActiveManager();
    if (!manager)
        return;
    const TsSkinModel& model = manager->Model();
    TsSectionRef lent = LendingSection(this, model);
    SetFontColor(this, lent.IsValid() ? lent.Data().FontColor[0] : model.GetGlobalFontColor());
}

// The first section of a skin (index 0) is never taken.
void TsCustomLabel::ApplySectionFontColor()
{
    TsSkinManager* manager = DefaultManager();
    if (skinSection_.empty() || !manager || !manager->Active())
        return;
    TsSectionRef section = TsSectionRef::Resolve(&manager->Model(), skinSection_);
    if (section.IsValid() && section.Index > 0)
        SetFontColor(this, section.Data().FontColor[0]);
}

void TsCustomLabel::Paint()
{
    if (!paintGuard) {
        paintGuard = true;
        if (TakesSkinFontColor())
            ApplySkinFontColor();
        ApplySectionFontColor();
        paintGuard = false;
        Canvas().Font().Assign(Font());
    }
    TsSkinManager* manager = DefaultManager();
    if (!skinSection_.empty() && manager && manager->Active()) {
        TsSectionRef section = TsSectionRef::Resolve(&manager->Model(), skinSection_);
        if (section.IsValid() && section.Index > 0)
            PaintSkinItemToDC(section, BackgroundBehind(this), Canvas().Handle(), ClientRect(), 0, true);
    }
    TCustomLabel::Paint();
}

void TsCustomLabel::HandleSkinCommand(TMessage& m)
{
    TCustomLabel::WndProc(m);
    if (SkinCmdOf(m.WParam) == scSkinRemoved && reinterpret_cast<TsSkinManager*>(m.LParam) == DefaultManager())
        TakeWindowTextColor();
}

void TsCustomLabel::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case SM_SKINCMD:
        // Adapters leave a label that takes its look from the skin itself alone.
        if (SkinCmdOf(m.WParam) == scQueryHandled) {
            m.Result = 1;
            return;
        }
        HandleSkinCommand(m);
        return;
    case CM_FONTCHANGED:
        // The colour a paint takes from the skin neither re-measures nor repaints.
        if (paintGuard)
            return;
        AdjustBounds();
        Repaint();
        return;
    case CM_ENABLEDCHANGED:
        // A disabled label may measure differently (no shadow).
        AdjustBounds();
        Invalidate();
        return;
    default:
        break;
    }
    TCustomLabel::WndProc(m);
}

void TsLabel::HandleSkinCommand(TMessage& m)
{
    if (SkinCmdOf(m.WParam) == scSkinRemoved && reinterpret_cast<TsSkinManager*>(m.LParam) == DefaultManager() &&
        UseSkinColor)
        TakeWindowTextColor();
}

void TsLabel::DoDrawText(TCanvas& canvas, Rect& rect, UINT flags)
{
    if (Enabled() || !ActiveManager()) {
        TsCustomLabel::DoDrawText(canvas, rect, flags);
        return;
    }
    DrawBlendedDisabled(canvas, rect, flags);
}

void TsCustomLabel::DrawBlendedDisabled(TCanvas& canvas, Rect& rect, UINT flags)
{
    canvas.Font().Assign(Font());
    int32_t parent = GetParentColor(Parent());
    canvas.Font().SetColor(BlendColors(int32_t(ColorToRGB(Font().Color())), parent, 0.4));
    canvas.DrawText(TextToDraw(flags), rect, FlagsForDrawText(flags));
}

void TsShadow::Changed()
{
    if (label_)
        label_->Invalidate();
}

void TsShadow::SetMode(TsShadowMode value)
{
    if (value == mode_)
        return;
    mode_ = value;
    Changed();
}

void TsShadow::SetColor(TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    colorBytes_ = ToRgb24(ColorToRGB(value));
    Changed();
}

void TsShadow::SetBlurCount(int value)
{
    if (value == blurCount_)
        return;
    blurCount_ = value;
    Changed();
}

void TsShadow::SetDistance(int value)
{
    if (value == distance_)
        return;
    distance_ = value;
    Changed();
}

void TsKind::SetKindType(TsKindType value)
{
    if (value == kindType_)
        return;
    kindType_ = value;
    if (label_)
        label_->Invalidate();
}

void TsKind::SetColor(TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    if (label_)
        label_->Invalidate();
}

TsLabelFX::TsLabelFX(TComponent* owner) : TsCustomLabel(owner) {}

TsLabelFX::ShadowParams TsLabelFX::ShadowInUse() const
{
    if (shadow_.Mode() == TsShadowMode::smSkin1) {
        TsSkinManager* manager = ActiveManager();
        if (manager && manager->Model().SkinData().Shadow1Blur != -1) {
            const TsSkinData& skin = manager->Model().SkinData();
            return {TColor(skin.Shadow1Color), skin.Shadow1Blur, skin.Shadow1Offset};
        }
    }
    return {shadow_.Color(), shadow_.BlurCount(), shadow_.Distance()};
}

TColor TsLabelFX::TextColor() const
{
    switch (kind_.KindType()) {
    case TsKindType::ktCustom:
        return kind_.Color();
    case TsKindType::ktStandard:
        // The caption in the label's own background colour.
        return TColor(ColorToRGB(Color()));
    case TsKindType::ktSkin:
        break;
    }
    if (TsSkinManager* manager = ActiveManager()) {
        const TsSkinModel& model = manager->Model();
        TsSectionRef global = TsSectionRef::ResolveIndex(&model, model.CommonIndexes().GlobalInfo);
        if (global.IsValid() && global.Data().FontColor[kContourLeft] != kSkinNoColor)
            return global.Data().FontColor[kContourLeft];
    }
    return kind_.Color();
}

void TsLabelFX::DoDrawText(TCanvas& canvas, Rect& rect, UINT flags)
{
    if (shadow_.Mode() == TsShadowMode::smNone) {
        // Without a shadow the label draws as the plain skinned label does.
        if (Enabled() || !ActiveManager())
            TsCustomLabel::DoDrawText(canvas, rect, flags);
        else
            DrawBlendedDisabled(canvas, rect, flags);
        return;
    }
    const std::string text = TextToDraw(flags);
    flags = FlagsForDrawText(flags);
    const bool measuring = flags & DT_CALCRECT;
    canvas.Font().Assign(Font());
    if (!Enabled()) {
        // Embossed, without the effect; measured as the bare text.
        if (!measuring) {
            canvas.Font().SetColor(clBtnHighlight);
            Rect raised = rect.Translated(1, 1);
            canvas.DrawText(text, raised, flags);
            canvas.Font().SetColor(clBtnShadow);
        }
        canvas.DrawText(text, rect, flags);
        return;
    }
    canvas.Font().SetColor(TextColor());
    const ShadowParams p = ShadowInUse();
    const bool effect = p.color != clNone && p.blur != 0;
    if (measuring || !effect) {
        canvas.DrawText(text, rect, flags);
        if (measuring && effect) {
            margins_ = EffectMargins(p.distance, p.blur);
            rect.right += margins_.m2 - margins_.m1;
            rect.bottom += margins_.m2 - margins_.m1;
        }
        return;
    }
    DrawEffect(canvas, rect, text, flags, p);
}

void TsLabelFX::DrawEffect(TCanvas& canvas, const Rect& rect, const std::string& text, UINT flags,
                           const ShadowParams& p)
{
    const int w = std::max(0, rect.Width());
    const int h = std::max(0, rect.Height());
    const Rect textRect{rect.left - margins_.m1, rect.top - margins_.m1, rect.right - margins_.m2,
                        rect.bottom - margins_.m2};
    if (w > 0 && h > 0) {
        effect_.SetSize(w, h, TPixelFormat::pf32bit);
        View32 pixels = effect_.Pixels32();
        for (int y = 0; y < h; ++y)
            std::fill_n(pixels.Row(y), w, Bgra32{});
        TCanvas& stamp = effect_.Canvas();
        stamp.Font().Assign(Font());
        stamp.Font().SetColor(clWhite);
        stamp.Brush().SetStyle(TBrushStyle::bsClear);
        Rect shadowRect = textRect.Translated(p.distance, p.distance);
        stamp.DrawText(text, shadowRect, flags);
        alpha_.Prepare(w, h);
        alpha_.Blur(effect_.Pixels32(), p.blur);
        HDC effectDc = stamp.Handle();
        const Rgb24 shadow = ToRgb24(ColorToRGB(p.color));
        if (Transparent()) {
            BitBlt(effectDc, 0, 0, w, h, canvas.Handle(), 0, 0, SRCCOPY);
            BlendShadowOverPicture(effect_.Pixels32(), alpha_, shadow);
        } else {
            BlendShadowWithColor(effect_.Pixels32(), alpha_, shadow, ToRgb24(ColorToRGB(Color())));
        }
        BitBlt(canvas.Handle(), 0, 0, w, h, effectDc, 0, 0, SRCCOPY);
    }
    Rect drawn = textRect;
    canvas.DrawText(text, drawn, flags);
}

TsEditLabel::TsEditLabel(TComponent* owner, TsMaskEdit* edit) : TsLabel(owner), edit_(edit) {}

TsEditLabel::~TsEditLabel()
{
    Destroying();
    if (edit_)
        edit_->BoundLabelDestroyed(this);
}
