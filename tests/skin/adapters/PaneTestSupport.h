#pragma once
// A form with a details pane (a read-only memo with both scroll bars, as the
// main window has them) and a plain caption label, skinned by a stand-in for
// the form's skinning component; and what the adapters' tests read back.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/SkinnedTestForm.h"
#include "skin/adapters/TestFormSkinner.h"
#include "skin/paint/ScrollBarPaint.h"
#include "skin/scroll/acScrollWnd.h"
#include "toolkit/Labels.h"

class TPaneTestForm : public TSkinnedTestForm {
public:
    using TSkinnedTestForm::TSkinnedTestForm;
    TMemo* pane = nullptr;
    TLabel* caption = nullptr;

protected:
    void AddControls() override;
};

// Lines "Line 000", "Line 001"...; every tenth one long enough to scroll sideways.
std::string PaneLines(int count);

// Records messages passing a control's chain, from above whatever is linked
// there now; its link comes out when it goes.
class MessageLog {
public:
    explicit MessageLog(TControl* control);
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
    ~MessageLog();
    struct Entry {
        UINT msg;
        WPARAM wParam;
    };
    std::vector<Entry> entries;
    int Count(UINT msg, WPARAM wParam) const;
    // The scroll codes (low words) of the WM_VSCROLL messages, in order.
    std::vector<int> VScrollCodes() const;

private:
    TChainLink link_;
};

class PaneTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens the form (its pane holding `lines` lines); skinned unless told not to.
    void Open(int lines, bool skin = true);

    TacScrollWnd* Adapter() const;
    HWND Pane() const { return form->pane->Handle(); }
    int FirstLine() const;
    // Real mouse input at a screen point (the pointer moves there first).
    void MouseAt(Point screen, DWORD buttons = 0);
    // The middle of a part of the vertical bar along y.
    Point VBarPoint(int y) const;
    Rect VBar() const { return Adapter()->BarRect(kBarVertical); }
    TsThumb VThumb() const;
    // What the skin paints for a bar of the pane in these states (white behind it).
    Image24 ExpectedBar(TsBarKind kind, const TsBarStates& states) const;
    // What the screen shows of a bar of the pane.
    Image24 ShownBar(TsBarKind kind) const;

    TPaneTestForm* form = nullptr;
    std::unique_ptr<TTestFormSkinner> skinner;
};

// With PVX_ADAPTER_SHOTS set to a folder, writes the picture there as a
// .bmp file of this name, for a person to look at.
void SavePicture(const Image24& picture, const char* name);

// The part of a picture inside r.
Image24 Crop(const Image24& image, const Rect& r);
bool SamePixels(const Image24& a, const Image24& b);
