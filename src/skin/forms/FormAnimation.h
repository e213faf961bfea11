#pragma once
// The fade of a form into view: an overlay window over the form shows frames
// that blend what the screen showed there into the form's new look, then
// goes away and the form paints itself. The thread is busy meanwhile.

class TCustomForm;

// Fades form in over about 'milliseconds' (nothing but a redraw for less
// than one frame). The form's own drawing should be off (WM_SETREDRAW) until
// it is called; it is switched on again at the end.
void AnimateFormShow(TCustomForm* form, unsigned milliseconds);

// The number of frames the last fade showed (for the benchmark and tests).
int LastFadeInFrameCount();
