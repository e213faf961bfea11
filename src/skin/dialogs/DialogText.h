#pragma once
// Text and drawing in the dialogs of the system, which are Unicode windows:
// their wide text read and drawn in a skin section's colours, the system's
// message and caption fonts, the children left out of a drawing, and the
// solid brushes a dialog answers colour requests with.

#include <windows.h>

#include <map>
#include <string>

#include "gfx/Geometry.h"
#include "skin/paint/SectionRef.h"
#include "toolkit/Handles.h"

// The system's fonts, made once for the process (they are never freed and
// so never counted as a dialog's leak).
HFONT DialogMessageFont();  // lfMessageFont of the non-client metrics
HFONT DialogCaptionFont();  // lfCaptionFont

std::wstring WideWindowTextOf(HWND window);

// The text in the section's font colours (hot: the hot ones) with the
// contours the section gives; disabled: 40 % of the font colour over the
// section's colour. The DC's font, colour and background mode are restored.
void DrawDialogText(HDC dc, const std::wstring& text, HFONT font, const TsSectionRef& colours, bool enabled, bool hot,
                    UINT format, Rect rect);
// The text's size drawn with format in at most width pixels (DT_CALCRECT).
Size MeasureDialogText(HDC dc, const std::wstring& text, HFONT font, UINT format, int width);

// Leaves the visible child windows out of the DC's clip (window's client coordinates).
void ExcludeVisibleChildren(HDC dc, HWND window);

// One solid brush per colour, freed with the owner.
class TsSolidBrushes {
public:
    HBRUSH Of(COLORREF color);
    int Count() const { return int(brushes_.size()); }

private:
    std::map<COLORREF, UniqueBrush> brushes_;
};
