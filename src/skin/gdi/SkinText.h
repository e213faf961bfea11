#pragma once
// Text in a skin's colours: a section's font colours with their one-pixel
// contours, a control's text in the colours of its section, and ellipsized
// text, all drawn with GDI into the canvas (usually a cache bitmap's).

#include <windows.h>

#include <string>

#include "gfx/Geometry.h"
#include "skin/paint/SectionRef.h"
#include "toolkit/Canvas.h"

// Nothing for an empty text or a section that is not valid. Enabled: each
// contour colour that is not -1 (hot: the hot ones) draws the text with rect
// moved one pixel left, up, right and down, in that order, then the text in
// the main colour in rect. Disabled: one pass in 40 % of the font colour over
// 60 % of the section's colour. The brush is clear and format is passed to
// DrawText unchanged. The canvas's font colour and brush style are restored.
void DrawSectionText(TCanvas& canvas, const std::string& text, bool enabled, const TsSectionRef& section, bool hot,
                     UINT format, const Rect& rect);

// How a control's text is coloured: the section whose font colours it takes
// (the control's own, or one its parents lend it), whether it keeps its
// font's own colour, and whether it is underlined while hot (WEBBUTTON).
struct TsControlTextStyle {
    TsSectionRef ColorSection;
    bool CustomFont = false;
    bool UnderlineWhenHot = false;
};

// A control's text: the canvas takes the control's font (underlined when hot
// with UnderlineWhenHot) and drawing is clipped to rect (the clip is put
// back afterwards). Enabled with a valid section: contours and main colour as
// above unless CustomFont keeps the font's own colour, format plus
// DT_NOCLIP. Enabled without a section: the font's colour, format plus
// DT_NOCLIP. Disabled: without a section the plain text, with one the mix of
// 40 % font colour and 60 % of the skin's global colour.
// The control binding chooses the colour section (its own, or a parent's).
void DrawControlText(TCanvas& canvas, const std::string& text, bool enabled, bool hot, const TsControlTextStyle& style,
                     const TFont& font, UINT format, const Rect& rect);

// The text when it fits in maxWidth pixels of the canvas's font; otherwise
// the longest start of it that fits followed by "..."; empty when maxWidth is
// 0 or less or even "..." does not fit.
std::string EllipsizeText(TCanvas& canvas, const std::string& text, int maxWidth);

// Thin wrappers over the canvas's font.
int MeasureTextWidth(TCanvas& canvas, const std::string& text);
int MeasureTextHeight(TCanvas& canvas, const std::string& text);
Size MeasureTextSize(TCanvas& canvas, const std::string& text);
// DrawText; with DT_CALCRECT rect receives the measured rectangle. Returns the text's height.
int DrawTextInRect(TCanvas& canvas, const std::string& text, Rect& rect, UINT format);
