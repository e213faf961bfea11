#pragma once
// The fade timers of skinned buttons. A fade blends the last fully drawn look
// (a copy of the cache taken when the fade starts) into the new look the
// owner paints into its cache, over N frames 10 ms apart:
// t = 255 - step x 256 div N (clamped), frame = start x t + cache x (255 - t).
// TsFadeTimer: a windowed control; each frame goes straight to its window.
// TsAnimTimer: a windowless control, which paints itself with the frame
// straight into its parent's client area.

#include "toolkit/Bitmap.h"
#include "toolkit/Timer.h"

class TControl;
class TWinControl;
class TsCommonData;

constexpr unsigned kFadeInterval = 10;  // milliseconds between frames

// The start image's weight in frame 'step' of 'count' frames.
int FadeWeight(int step, int count);

// Whether a skinned button's change of look may fade: the binding is
// skinned, its section fades (FadingEnabled), no skin is loading, and its
// cache holds the last look drawn whole, to fade from.
bool LookCanFade(const TsCommonData& binding);
// The frames of a fade: the section's FadingIterations, half as many for a
// press or a release.
int FadeFrameCount(const TsCommonData& binding, bool pressOrRelease);
// Whether the default manager's button animation takes this event (a
// TacButtonEvent); false without a manager.
bool ManagerFadesOn(unsigned buttonEvent);

class TsFadeTimer : public TTimer {
public:
    TsFadeTimer(TWinControl* control, TsCommonData& binding);
    const char* ClassName() const override { return "TsFadeTimer"; }

    // Takes the cache as the start image, has the control paint its new look
    // (scMakeCache) and starts the frames.
    void Start(int frameCount);
    void Stop();
    bool Fading() const { return Enabled(); }
    // Draws the frame of the current step at once (focus changes mid-fade).
    void DrawFrameNow();
    // The blended frame last put on the screen.
    TBitmap& Frame() { return frame_; }

private:
    void Tick();
    bool BuildFrame();

    TWinControl* control_;
    TsCommonData& binding_;
    TBitmap start_;
    TBitmap frame_;
    int step_ = 1;
    int count_ = 0;
};

class TsAnimTimer : public TTimer {
public:
    TsAnimTimer(TControl* control, TsCommonData& binding);
    const char* ClassName() const override { return "TsAnimTimer"; }

    // Takes the cache as the start image and starts at firstStep; the
    // control has painted its new look into the cache already.
    void Start(int frameCount, int firstStep = 1);
    void Stop();
    bool Fading() const { return Enabled(); }
    // The frame the control paints while the timer runs.
    TBitmap& Frame() { return frame_; }
    int Step() const { return step_; }

private:
    void Tick();

    TControl* control_;
    TsCommonData& binding_;
    TBitmap start_;
    TBitmap frame_;
    int step_ = 1;
    int count_ = 0;
    bool busy_ = false;
};
