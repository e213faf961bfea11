#pragma once
// The internal skin's parts as the main window shows them, drawn with the
// painting routines alone: the form with its frame, edits, buttons, a memo
// frame and its scroll bars. Used by the reference-image test, the tool that
// writes the reference images and the tool that draws a sheet of parts.

#include <string>
#include <vector>

#include "gfx/PixelView.h"
#include "skin/paint/ScrollBarPaint.h"
#include "skin/paint/SkinBackground.h"

class TsSkinModel;

// What lies behind a top-level window's corners in these pictures.
constexpr int32_t kDesktopColor = 0x9C8A72;

// The form's section over the whole picture, with its frame.
Image24 DrawForm(const TsSkinModel& skin, Size size);
// A skinned control of section "EDIT" or "BUTTON" at 'at' over the parent picture.
Image24 DrawEdit(const TsSkinModel& skin, Size size, int state, ConstView24 parent, Point at);
Image24 DrawButton(const TsSkinModel& skin, Size size, int state, ConstView24 parent, Point at);
// A memo's frame: the EDIT section's colour and border image, no scroll bars.
Image24 DrawMemoFrame(const TsSkinModel& skin, Size size, ConstView24 parent, Point at);
// A scroll bar as the scroll-bar layer paints it over a background colour:
// the track halves meeting under the thumb, the arrows and the thumb in the
// states given, arrows as long as the bar is thick.
Image24 DrawScrollBar(const TsSkinModel& skin, Size size, TsBarKind kind, const TsScrollInfo& info,
                      const TsBarStates& states, bool enabled, int32_t backgroundColor);
// The same with its thumb being dragged to thumbStart.
Image24 DrawDraggedScrollBar(const TsSkinModel& skin, Size size, TsBarKind kind, int thumbStart, int thumbLength,
                             int32_t backgroundColor);

struct NamedPicture {
    std::string name;  // a file name without extension
    Image24 picture;
};

// The parts at the sizes of the main window: the form (client 483 x 557 in
// its 4-pixel frame), edits 467 x 21, buttons 99 x 25 in three states, the
// memo frame 467 x 140 and its scroll bars (17 pixels thick) of a pane
// scrolled part way: normal, with a hot arrow or thumb, with the track held,
// dragged, disabled, and a bar too short for its two arrows.
std::vector<NamedPicture> MainWindowParts(const TsSkinModel& skin);

// A .bmp file: run-length encoded 8 bits when the picture has at most 256
// colours, else plain 24 bits; rows bottom-up.
std::vector<uint8_t> EncodeReferenceBmp(ConstView24 picture);
