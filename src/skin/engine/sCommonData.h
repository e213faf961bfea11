#pragma once
// TsCommonData: the skin binding every skinned control, form skinning
// component and adapter owns. It binds its owner to a skin section, keeps the
// resolved section with its image indexes, holds the owner's cache image and
// its validity, tracks the hot state, answers the engine message for its
// owner, and answers the background questions of the owner's children.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "skin/engine/SkinCommands.h"
#include "skin/paint/SectionRef.h"
#include "skin/paint/SkinBackground.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Component.h"
#include "toolkit/Messages.h"

class TComponent;
class TControl;
class TWinControl;
class TsSkinManager;

// Bit 0 of the state word: the owner's background is a plain colour.
constexpr uint16_t kPlainBackground = 1;

class TsCommonData {
public:
    // owner is a control or a form skinning component, or nullptr for a
    // window that belongs to no component (a dialog's child window); with
    // createCache the binding owns an empty 24-bit cache image.
    TsCommonData(TComponent* owner, bool createCache, int controlKind);
    TsCommonData(const TsCommonData&) = delete;
    TsCommonData& operator=(const TsCommonData&) = delete;
    ~TsCommonData();

    // Stored upper-cased; an empty value is stored as "UNKNOWN".
    const std::string& SkinSection() const { return skinSection_; }
    void SetSkinSection(const std::string& section);
    // The manager in use: the binding's own, else the default one.
    TsSkinManager* SkinManager() const;
    void SetSkinManager(TsSkinManager* manager);
    bool CustomColor() const { return customColor_; }
    void SetCustomColor(bool value);
    bool CustomFont() const { return customFont_; }
    void SetCustomFont(bool value);

    // The resolved section (index -1 while unskinned).
    const TsSectionRef& Section() const { return section_; }
    int SectionIndex() const { return section_.Index; }
    int BorderMaskIndex() const { return section_.BorderMask; }
    int TextureMaskIndex() const { return section_.Texture; }
    int HotTextureMaskIndex() const { return section_.HotTexture; }

    TComponent* Owner() const { return owner_; }
    TControl* OwnerControl() const { return ownerControl_; }
    // The control whose Color stands for the owner (the owner control, or the
    // form of a form skinning component).
    TControl* ColorControl() const { return colorControl_; }
    void SetColorControl(TControl* control) { colorControl_ = control; }
    int ControlKind() const { return controlKind_; }

    TBitmap* CacheBitmap() const { return cache_.get(); }
    // The cache, 24-bit and of this size (created when missing).
    TBitmap& CacheOfSize(int width, int height);
    void EmptyCache();

    bool CacheInvalid = true;
    bool Updating = false;
    bool HalfVisible = true;
    bool CacheFrozen = false;
    TControl* PaintingChild = nullptr;
    bool Focused = false;
    bool MouseOver = false;
    uint16_t StateWord = 0;
    uint16_t FillFlags = 0;

    bool IsSkinned(bool requireActive = true) const;
    void ResolveIndexes();
    void InvalidateAndRepaint();
    // Owners call this right after construction and again from Loaded.
    void OwnerLoaded();
    // An edit takes the section's colour and font colour (unless it keeps its own).
    void ApplyEditColors();
    bool IsEditOwner() const;
    bool IsHot() const;
    // The colour children take as this owner's background colour.
    int32_t ControlColor(bool hot) const;
    bool ShowsParentBackground() const;
    void BeginUpdate();
    void EndUpdate();
    bool NeedsFullRepaint() const;
    bool PaintingSuspended() const;
    bool PlainBackground() const { return StateWord & kPlainBackground; }
    void RecomputePlainBackground();

    // The engine message: handles the command for the binding and fills
    // m.Result; false for commands the binding does not take (the owner's).
    bool HandleSkinCommand(TMessage& m);
    // The standard messages the binding looks at before its owner handles
    // them; true when the binding swallowed the message.
    bool HandleStandardMessage(TMessage& m);

    // scQueryBackground and scQueryColor, answered for the owner.
    void AnswerBackground(TsBgQuery& query) const;
    LRESULT AnswerColor() const;
    // What the owner paints on: its parent's answer, else its own colour.
    TsBgSource BgSourceForSelf() const;
    // What lies behind the owner in its parent (offset moved to the owner's place).
    TsBgSource ParentBackground() const;

private:
    bool UsesManager(LPARAM lParam) const;
    bool HasOwnLook() const;
    void SkinLoaded();
    void SkinRemoved();
    void Repaint();
    void MouseEntered(LPARAM lParam);
    void LeaveHotSpeedButtons(TWinControl* parent, TControl* entered);
    void SendToOwner(TsSkinCommand command);
    // The engine commands the binding answers, one handler each.
    void ManagerCommand(TsSkinCommand command, LPARAM lParam);
    void ParentBgChanged(WORD argument);
    LRESULT AnswerComplexBackground() const;
    void BackgroundChanged(const TMessage& m);
    LRESULT OpaqueState(const TMessage& m);
    int32_t OwnColor() const;
    unsigned OwnerState() const { return owner_ ? owner_->ComponentState() : 0; }
    int32_t ParentColor() const;

    TComponent* owner_;
    TControl* ownerControl_ = nullptr;
    TControl* colorControl_ = nullptr;
    std::string skinSection_;
    TsSkinManager* manager_ = nullptr;  // empty: follow the default manager
    bool customColor_ = false;
    bool customFont_ = false;
    int controlKind_;
    TsSectionRef section_;
    std::unique_ptr<TBitmap> cache_;
};

// A control that owns a skin binding, so that its parent's binding can reach
// it without knowing its class (a speed button on an edit).
class TsBindingOwner {
public:
    virtual TsCommonData& SkinData() = 0;

protected:
    ~TsBindingOwner() = default;
};

// Makes window the skinned window under the mouse that the default manager
// tracks: the window recorded before gets scMouseLeave, this one scMouseEnter.
void MakeHotWindow(HWND window);
// The manager tracks no window under the mouse; the one it tracked (unless
// it is except) gets scMouseLeave.
void ClearHotWindow(HWND except = nullptr);
// Window becomes the tracked window when it is the one under the cursor, and
// stops being it when it is not.
void TrackHotUnderCursor(HWND window);

// The background colour of a control as RGB: a skinned window's scQueryColor
// answer, any other control's own Color.
int32_t GetParentColor(TControl* control);

// What lies behind a control in its parent, as its painters take it (a
// picture's offset moved to the control's place); the control's own colour
// without a parent.
TsBgSource BackgroundBehind(TControl* control);

// Asks parent (a control, with or without a window) for what lies behind
// query.Area; an unanswered question is answered with the parent's colour.
// True only when the parent answered itself.
bool QueryParentBackground(TsBgQuery& query, TControl* parent, bool paintNow);

// The border corners of the binding's cache show what lies behind the owner.
// corners is a set of TsCornerBits.
void RefillBorderCorners(TsCommonData& binding, int state, unsigned corners);

// Copies the destRect-sized block at srcPoint of the binding's cache to
// destRect of dc, with the visible windowless children and the opaque
// windowed ones (moved by childOffset) clipped out; with refillCorners the
// border corners are refilled first. The windowless children are painted
// over the cache with PaintGraphicChildrenOverCache (CacheCopy.h).
void CopyCacheToDC(TControl* control, TsCommonData& binding, Point srcPoint, Point childOffset, bool refillCorners,
                   HDC dc, const Rect& destRect);
