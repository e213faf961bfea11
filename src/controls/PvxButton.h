#pragma once
// TPvxCustomButton and TPvxButton: the large push button with a glyph and a
// one-line caption. The platform's owner-drawn push button gives focus,
// capture and keyboard activation; the button draws every pixel itself, in
// the platform's visual style when that is on, else in its classic frame (on
// a dark skin, in the skin's button face: PvxButtonSkin.h), and tracks the
// pointer for its hot look.

#include <windows.h>

#include <memory>
#include <string>

#include "controls/PvxButtonFrame.h"
#include "controls/PvxButtonLayout.h"
#include "controls/PvxCaption.h"
#include "controls/PvxGlyph.h"
#include "controls/PvxThemeServices.h"
#include "skin/paint/SectionRef.h"
#include "toolkit/Buttons.h"

class TCanvas;
class TTimer;

class TPvxCustomButton : public TButton {
public:
    explicit TPvxCustomButton(TComponent* owner);
    ~TPvxCustomButton() override;
    const char* ClassName() const override { return "TPvxCustomButton"; }

    TPvxUserButtonStyle ButtonStyle() const { return style_; }
    void SetButtonStyle(TPvxUserButtonStyle style);
    TPvxButtonLayout& ButtonLayout() { return layout_; }
    TPvxFxCaption& FontFX() { return fontFx_; }

    // The glyph picture: NumGlyphs equal images side by side (normal,
    // disabled, hot, -, pressed); its bottom-left pixel's colour is transparent.
    const TBitmap& Glyph() const { return glyph_.Bitmap(); }
    void SetGlyph(ConstView32 picture);
    void SetGlyph(ConstView24 picture);
    void ClearGlyph();
    // Sets the glyph from a BITMAP resource; throws when there is none.
    void LoadGlyphFromResourceName(HINSTANCE instance, const char* name);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int count);

    bool UseCaption() const { return useCaption_; }
    void SetUseCaption(bool value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    bool HideHint() const { return hideHint_; }
    void SetHideHint(bool value) { hideHint_ = value; }
    TPvxThemeMode ThemeMode() const { return themeMode_; }
    void SetThemeMode(TPvxThemeMode mode);
    bool ThemeGlobalMode() const { return themeGlobalMode_; }
    void SetThemeGlobalMode(bool value);

    bool RepeatedClick() const { return repeatedClick_; }
    void SetRepeatedClick(bool value);
    unsigned RepeatingDelay() const { return repeatingDelay_; }
    void SetRepeatingDelay(unsigned ms) { repeatingDelay_ = ms; }
    unsigned RepeatingInterval() const { return repeatingInterval_; }
    void SetRepeatingInterval(unsigned ms) { repeatingInterval_ = ms; }

    // Settings of drop-down menus and image lists, kept for the form data;
    // the program uses neither.
    int DropDownIndent = 0;
    bool DropDownRight = false;
    int ImageIndex = 0;
    int ListIndex = 0;
    bool UseGlobalTimer = false;

    // OnMouseEnter (from TControl) runs when the pointer enters while the last
    // drawn state was normal; OnMouseExit whenever it leaves.
    TNotifyEvent OnMouseExit;
    TNotifyEvent OnDropDown;

    // The state of the last paint and whether the pointer is inside.
    TPvxDrawState DrawState() const { return drawState_; }
    bool MouseInside() const { return mouseInside_; }
    // Whether the frame is drawn by the platform's visual style now.
    bool IsThemed() const;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    virtual void DrawButton(const DRAWITEMSTRUCT& item);

private:
    void Changed();
    void HoverRepaint();
    void MouseEntered();
    void MouseLeft();
    void FillFace(const Rect& r);
    bool DrawThemedFrame(HDC dc, const Rect& client, bool focused, Rect& content);
    Rect DrawClassicFrame(HDC dc, const Rect& client, bool focused);
    void DrawEdgeOf(HDC dc, const TPvxClassicFrame& frame);
    void DrawContent(HDC dc, const Rect& content, TColor textColor);
    void DrawSkinnedButton(HDC dc, const TsSectionRef& face);
    // The skin's face while it stands in for the platform's, looked up once
    // per skin change or font change.
    const TsSectionRef& SkinFace();
    void StartRepeating();
    void StopRepeating();
    void RepeatTick();

    TPvxUserButtonStyle style_ = TPvxUserButtonStyle::ubsWin40;
    TPvxButtonLayout layout_;
    TPvxFxCaption fontFx_;
    TPvxGlyph glyph_;
    std::unique_ptr<TCanvas> canvas_;
    bool useCaption_ = true;
    bool multiLine_ = false;
    bool hideHint_ = true;
    TPvxThemeMode themeMode_ = TPvxThemeMode::ttmPlatform;
    bool themeGlobalMode_ = false;
    bool repeatedClick_ = false;
    unsigned repeatingDelay_ = 500;
    unsigned repeatingInterval_ = 100;
    TTimer* repeatTimer_ = nullptr;
    TPvxDrawState drawState_ = TPvxDrawState::Normal;
    bool mouseInside_ = false;
    TsSectionRef skinFace_;
    bool skinFaceStale_ = true;
};

class TPvxButton : public TPvxCustomButton {
public:
    using TPvxCustomButton::TPvxCustomButton;
    const char* ClassName() const override { return "TPvxButton"; }
};
