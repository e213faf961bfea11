#pragma once
// TsCustomComboEdit: a skinned one-line edit with a skinned button at its
// right end (TsEditButton). A click on the button, or the ClickKey shortcut,
// runs the edit's button action; the text never runs under the button.

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/sMaskEdit.h"
#include "controls/sSpeedButton.h"
#include "toolkit/Bitmap.h"

class TsCustomComboEdit;

// Which glyph the button shows, and how while the edit is idle.
class TsGlyphMode {
public:
    explicit TsGlyphMode(TsCustomComboEdit* edit) : edit_(edit) {}
    // The default glyph of the edit's class (true), or Glyph.
    bool UseDefaultGlyph() const { return useDefault_; }
    void SetUseDefaultGlyph(bool value);
    // The user's own glyph, laid out like the default ones: three frames side
    // by side (normal, hot, pressed), each a picture over its mask.
    TBitmap& Glyph() { return glyph_; }
    // Takes a picture as Glyph; UseDefaultGlyph goes off.
    void SetGlyph(ConstView24 picture);
    // Blended toward the button's face by this percent while idle (0..100).
    int Blend() const { return blend_; }
    void SetBlend(int value);
    // Drawn grey while idle.
    bool Grayed() const { return grayed_; }
    void SetGrayed(bool value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    // The glyph the button shows; nullptr when there is none.
    TBitmap* Current();

private:
    void Changed();

    TsCustomComboEdit* edit_;
    bool useDefault_ = true;
    TBitmap glyph_;
    int blend_ = 0;
    bool grayed_ = false;
    std::string hint_;
};

// The edit's button: a skinned speed button ("SPEEDBUTTON") at the edit's
// right edge, drawing the glyph frame of its state.
class TsEditButton : public TsSpeedButton {
public:
    explicit TsEditButton(TsCustomComboEdit* edit);
    const char* ClassName() const override { return "TsEditButton"; }
    void Click() override;
    // The frame drawn in the last paint of the look (for tests and fades).
    int GlyphFrame() const { return glyphFrame_; }

protected:
    void PaintContent(View24 pixels, int state) override;
    bool ShowsDisabled() const override;
    TsDisabledKinds DisabledLook() const override;

private:
    TsCustomComboEdit* edit_;
    int glyphFrame_ = 0;
};

// A key with its modifiers: the key's code plus 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

class TsCustomComboEdit : public TsMaskEdit {
public:
    explicit TsCustomComboEdit(TComponent* owner);
    const char* ClassName() const override { return "TsCustomComboEdit"; }

    TsEditButton& Button() { return *button_; }
    TsGlyphMode& GlyphMode() { return glyphMode_; }
    // The button shown (its glyph's frame width plus 2) or hidden (width 0).
    bool ShowButton() const { return showButton_; }
    void SetShowButton(bool value);
    // The shortcut that clicks the button: Alt+Down.
    TShortCut ClickKey = scAlt | VK_DOWN;
    // Typing allowed; without it the keyboard cannot change the text but the button works.
    bool DirectInput() const { return directInput_; }
    void SetDirectInput(bool value);
    // Read-only, and the button does nothing.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // The whole text selected when the edit gets the focus.
    bool AutoSelect = true;
    int HelpContext = 0;
    // Runs first on every button click.
    TNotifyEvent OnButtonClick;

    // The button's click: nothing while ReadOnly; else OnButtonClick, then the edit's action.
    void ButtonClick();
    // The formatting rectangle the system edit keeps its text in.
    Rect TextArea() const;
    // The default glyph's name of the edit's class.
    virtual std::string_view DefaultGlyphName() const { return "BTN_ELLIPSIS"; }
    // The glyph or its settings changed: place and repaint the button.
    void GlyphChanged();

    void Loaded() override;
    void WndProc(TMessage& message) override;

protected:
    TsCustomComboEdit(TComponent* owner, int controlKind);
    // What a click on the button does (the file name edit: its open dialog).
    virtual void ButtonAction() {}
    void InitializeWindow() override;
    void LookChanged() override;

private:
    bool HandleKeyDown(TMessage& m);
    bool TypingAllowed() const { return directInput_ && !readOnly_; }
    void UpdateWindowReadOnly();
    Size ClientSize() const;
    void PlaceButton();
    void SetTextArea();

    TsEditButton* button_;  // owned by the edit as a component
    TsGlyphMode glyphMode_{this};
    bool showButton_ = true;
    bool directInput_ = true;
    bool readOnly_ = false;
};
