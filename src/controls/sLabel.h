#pragma once
// The skinned labels. TsLabel draws its caption like the toolkit's label in
// the font colour the active skin gives it. TsLabelFX draws its caption over
// a soft shadow: the caption's shape blurred in memory, tinted with a shadow
// colour and blended with what lies behind the label (or with its own
// colour), the caption drawn over it in a second colour. TsEditLabel is the
// caption label a skinned edit can show beside itself.

#include <string>

#include "controls/sLabelEffect.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Labels.h"

class TsSkinManager;
class TsMaskEdit;

class TsCustomLabel : public TCustomLabel {
public:
    explicit TsCustomLabel(TComponent* owner);
    const char* ClassName() const override { return "TsCustomLabel"; }

    // A section painted under the caption, whose font colour the label takes
    // (the skin's first section never is); empty: none.
    const std::string& SkinSection() const { return skinSection_; }
    void SetSkinSection(const std::string& section);

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    // Whether every paint takes the font colour from the skin.
    virtual bool TakesSkinFontColor() const { return true; }
    // Engine commands; the label answers only the skin's removal.
    virtual void HandleSkinCommand(TMessage& message);
    // Font.Color := clWindowText when it differs.
    void TakeWindowTextColor();
    // The caption as drawn: an empty one (or a lone "&" with ShowAccelChar)
    // measures as one blank, so that it is one line high.
    std::string TextToDraw(UINT flags) const;
    // The caption in 40 % of the font colour over 60 % of the parent's colour:
    // a disabled label under an active skin.
    void DrawBlendedDisabled(TCanvas& canvas, Rect& rect, UINT flags);

private:
    void ApplySkinFontColor();
    void ApplySectionFontColor();

    std::string skinSection_;
};

class TsLabel : public TsCustomLabel {
public:
    using TsCustomLabel::TsCustomLabel;
    const char* ClassName() const override { return "TsLabel"; }

    // Follow the skin's font colour; a plain field, changing it repaints nothing.
    bool UseSkinColor = true;

protected:
    bool TakesSkinFontColor() const override { return UseSkinColor; }
    void HandleSkinCommand(TMessage& message) override;
    // Enabled, or without an active skin: the toolkit label's drawing;
    // disabled under a skin: 40 % font colour over 60 % of the parent's colour.
    void DoDrawText(TCanvas& canvas, Rect& rect, UINT flags) override;
};

class TsLabelFX;

enum class TsShadowMode { smNone, smCustom, smSkin1 };

// The shadow of a TsLabelFX: its own values, or (smSkin1) the skin's.
class TsShadow {
public:
    explicit TsShadow(TsLabelFX* label) : label_(label) {}
    TsShadowMode Mode() const { return mode_; }
    void SetMode(TsShadowMode value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    int BlurCount() const { return blurCount_; }
    void SetBlurCount(int value);
    int Distance() const { return distance_; }
    void SetDistance(int value);
    // The colour in use as RGB bytes.
    Rgb24 ColorBytes() const { return colorBytes_; }

private:
    void Changed();

    TsLabelFX* label_;
    TsShadowMode mode_ = TsShadowMode::smSkin1;
    TColor color_ = clBlack;
    int blurCount_ = 4;
    int distance_ = 1;
    Rgb24 colorBytes_{};
};

enum class TsKindType { ktStandard, ktCustom, ktSkin };

// The caption's colour of a TsLabelFX: the skin's, its own, or the label's background colour.
class TsKind {
public:
    explicit TsKind(TsLabelFX* label) : label_(label) {}
    TsKindType KindType() const { return kindType_; }
    void SetKindType(TsKindType value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);

private:
    TsLabelFX* label_;
    TsKindType kindType_ = TsKindType::ktSkin;
    TColor color_ = clWhite;
};

class TsLabelFX : public TsCustomLabel {
public:
    explicit TsLabelFX(TComponent* owner);
    const char* ClassName() const override { return "TsLabelFX"; }

    TsShadow& Shadow() { return shadow_; }
    TsKind& Kind() { return kind_; }
    // The margins of the last measurement (m1 at most 0, m2 at least 0).
    TsEffectMargins Margins() const { return margins_; }

protected:
    void DoDrawText(TCanvas& canvas, Rect& rect, UINT flags) override;

private:
    struct ShadowParams {
        TColor color;
        int blur;
        int distance;
    };
    ShadowParams ShadowInUse() const;
    TColor TextColor() const;
    void DrawEffect(TCanvas& canvas, const Rect& rect, const std::string& text, UINT flags, const ShadowParams& p);

    TsShadow shadow_{this};
    TsKind kind_{this};
    TBitmap effect_;
    TsShadowAlpha alpha_;
    TsEffectMargins margins_;
};

// The caption label beside a skinned edit: it knows its edit and clears the
// edit's reference to it when it goes away.
class TsEditLabel : public TsLabel {
public:
    TsEditLabel(TComponent* owner, TsMaskEdit* edit);
    ~TsEditLabel() override;
    const char* ClassName() const override { return "TsEditLabel"; }
    TsMaskEdit* Edit() const { return edit_; }
    // The edit is going away first.
    void ForgetEdit() { edit_ = nullptr; }

private:
    TsMaskEdit* edit_;
};
