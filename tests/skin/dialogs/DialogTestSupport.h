#pragma once
// Helpers for tests of the skinned dialogs of the system: steps run from
// inside the dialogs' own modal loops, the dialogs and their controls found
// by what the user reads, the skin's expected colours, and the checks every
// skinned dialog passes (frame, shape, caption band, background).

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "gfx/PixelView.h"

// Steps run one after the other from a thread timer, so they run inside
// whatever modal loop is open (a dialog's, a menu's); a step returning false
// is tried again at the next tick. The last step should close the dialog.
class ModalSteps {
public:
    explicit ModalSteps(std::vector<std::function<bool()>> steps);
    ModalSteps(const ModalSteps&) = delete;
    ModalSteps& operator=(const ModalSteps&) = delete;
    ~ModalSteps();
    bool Finished() const { return next_ >= steps_.size(); }
    std::size_t StepsDone() const { return next_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::vector<std::function<bool()>> steps_;
    std::size_t next_ = 0;
    UINT_PTR timer_ = 0;
    bool running_ = false;
};

// The visible dialog window (class "#32770") of this process whose caption holds captionPart.
HWND FindVisibleDialog(const std::string& captionPart);
// A child of the dialog (at any depth) of the class whose text, without "&", is text.
HWND FindChildWindow(HWND dialog, const std::string& className, const std::string& text = "");
// The popup menu open now and its item texts (separators empty).
HWND FindOpenMenu();
std::vector<std::string> MenuItemTexts(HWND menuWindow);
// Presses a button of the dialog as the keyboard's space bar would, by a posted click.
void PressButton(HWND dialog, const std::string& text);
// The window's point in screen coordinates.
POINT ScreenPoint(HWND window, int x, int y);

// The default manager's skin: a section's colour (active: its hot colour) as pixels.
Rgb24 SkinSectionColour(const char* section, bool hot = false);

// What every skinned dialog shows: no WS_SYSMENU, a window region cut where
// the skin's corners have key-colour pixels, the caption band in the
// FORMTITLE colour, the client background in the dialog section's colour
// at clientPoint (client coordinates). Failures are reported as test failures.
void ExpectSkinnedDialog(HWND dialog, POINT clientPoint);
