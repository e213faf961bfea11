#pragma once
// Helpers for the glyph button and bevel label tests: a small form to hold the
// controls, pictures of rendered windows, and pictures to use as glyphs.

#include <windows.h>

#include "gfx/PixelView.h"
#include "toolkit/Edits.h"
#include "toolkit/Form.h"

// A form of the main window's colour and font with an edit that takes the
// focus first, so a button on it starts idle.
class TPvxTestForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TPvxTestForm"; }
    TEdit* edit = nullptr;

protected:
    void ReadFormData() override;
};

// What the screen shows of a window's client area, after it has painted.
Image24 GrabClient(HWND window);
// The same without letting the window paint first.
Image24 GrabClientAsIs(HWND window);
// What the screen shows of the whole window, frame and scroll bars included.
Image24 GrabWindowAsIs(HWND window);

// A system colour as a pixel.
Rgb24 SysPixel(int index);

// The smallest rectangle holding every pixel of this colour; empty if none.
Rect BoundsOf(const Image24& image, Rgb24 colour);
Rect BoundsOf(const Image24& image, Rgb24 colour, const Rect& within);
// The smallest rectangle holding every pixel that differs from `background`.
Rect BoundsOfAllBut(const Image24& image, Rgb24 background, const Rect& within);
int CountOf(const Image24& image, Rgb24 colour, const Rect& within);
// The smallest rectangle holding every pixel that differs between two pictures
// of the same size.
Rect BoundsOfChanges(const Image24& before, const Image24& after, const Rect& within);

// A picture of `count` images of w x h side by side, image i filled with
// colours[i]; the bottom-left pixel of the whole strip is `key`.
Image24 StripPicture(int w, int h, int count, const Rgb24* colours, Rgb24 key);

// Puts the pointer over a point of a window's client area.
void MovePointerTo(HWND window, Point client);
// Real mouse input at a point of a window's client area: the pointer moves
// there and the system delivers a move (plus any button flags, such as
// MOUSEEVENTF_LEFTDOWN) to the window under it; then the queue is handled.
void MouseInput(HWND window, Point client, DWORD buttonFlags = 0);

// Puts the pointer in a corner of the screen, away from the test windows.
void ParkPointer();

inline constexpr Rgb24 PureRed{0, 0, 255};
inline constexpr Rgb24 PureBlue{255, 0, 0};
inline constexpr Rgb24 PureGreen{0, 255, 0};
inline constexpr Rgb24 Fuchsia{255, 0, 255};
inline constexpr Rgb24 Black{0, 0, 0};
