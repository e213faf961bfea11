#pragma once
// TacEditWnd: the adapter of edits and memos. The control takes the skin
// section's colour and text colour; its frame (the window's non-client edge)
// is painted from a cache holding the section with its border image, and its
// scroll bars are the skin's. The designed colours come back when it
// detaches.

#include <cstdint>

#include "skin/scroll/acBaseWnd.h"
#include "skin/model/SkinColors.h"
#include "toolkit/Colors.h"

class TacEditWnd : public TacBaseWnd {
public:
    TacEditWnd(HWND window, const std::string& section, TsSkinManager* manager, TsCommonData* skinData);

    // The control's Color and Font.Color before skinning.
    TColor DesignColor = clWindow;
    TColor DesignFontColor = clWindowText;
    // The colour a bare window (no toolkit control) is given.
    int32_t BareWindowColor = kSkinKeyColor;  // none until the skin is applied

    void WndProc(TMessage& m) override;

protected:
    void StoreControlState() override;
    void RestoreControlState() override;
    void ApplySkin() override;
    void PrepareCache() override;

private:
    void PrepareFrame(bool refillCorners);
    Rect ClientInWindow() const;
    void CopyFrame(HDC dc);
    void NcPaint(TMessage& m);
    void Paint(TMessage& m);
    void EraseBackground(TMessage& m);
    void Print(TMessage& m);
    bool HandleCommand(TMessage& m);
    void AfterMessage(const TMessage& m);
};
