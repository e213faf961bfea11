#pragma once
// The fade of a form into view: frames that blend the screen behind the form
// into the form's new look.

#include <vector>

#include "gfx/PixelView.h"

// The screen's weights (0..255) of the frames of a fade of 'milliseconds':
// count = milliseconds div 8 and count + 1 frames from 255 down by 255 div
// count each (the last ones may go below 0, which counts as 0); none for a
// fade shorter than 8 ms.
std::vector<int> FadeInWeights(unsigned milliseconds);

// frame := form + ((screen - form) x max(weight, 0)) >> 8, channel by channel.
// The three views have the same size.
void BlendFadeInFrame(View24 frame, ConstView24 screen, ConstView24 form, int weight);

constexpr unsigned kFadeInFrameMilliseconds = 8;
