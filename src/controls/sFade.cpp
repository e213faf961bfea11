#include "controls/sFade.h"

#include <algorithm>

#include "gfx/Merge.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinSections.h"
#include "skin/engine/sCommonData.h"
#include "toolkit/Application.h"
#include "toolkit/WinControl.h"

namespace {

void CopyImage(TBitmap& to, TBitmap& from)
{
    to.SetSize(from.Width(), from.Height(), TPixelFormat::pf24bit);
    to.Assign(from.Pixels24());
}

bool Gone(const TControl* control)
{
    return !control || control->IsDestroying() || (Application && Application->Terminated());
}

// frame := start merged with the cache; false when the sizes no longer agree.
bool Blend(TBitmap& frame, TBitmap& start, TBitmap* cache, int weight)
{
    if (!cache || cache->Empty() || cache->Width() != start.Width() || cache->Height() != start.Height())
        return false;
    CopyImage(frame, start);
    MergeBitmaps(frame.Pixels24(), cache->Pixels24(), weight);
    return true;
}

}  // namespace

int FadeWeight(int step, int count)
{
    if (count <= 0)
        return 0;
    return std::clamp(255 - step * 256 / count, 0, 255);
}

bool LookCanFade(const TsCommonData& binding)
{
    TBitmap* cache = binding.CacheBitmap();
    return binding.IsSkinned() && !SkinEngine().SkinLoading && binding.Section().Data().FadingEnabled && cache &&
           !cache->Empty() && !binding.CacheInvalid;
}

int FadeFrameCount(const TsCommonData& binding, bool pressOrRelease)
{
    int frames = binding.Section().Data().FadingIterations;
    return pressOrRelease ? frames / 2 : frames;
}

bool ManagerFadesOn(unsigned buttonEvent)
{
    TsSkinManager* manager = DefaultManager();
    return manager && (manager->AnimEffects().Buttons.Events & buttonEvent);
}

TsFadeTimer::TsFadeTimer(TWinControl* control, TsCommonData& binding)
    : TTimer(control), control_(control), binding_(binding)
{
    SetEnabled(false);
    SetInterval(kFadeInterval);
    OnTimer = [this](TComponent*) { Tick(); };
}

void TsFadeTimer::Start(int frameCount)
{
    binding_.CacheInvalid = true;
    TBitmap* cache = binding_.CacheBitmap();
    if (!cache || cache->Empty())
        return;
    CopyImage(start_, *cache);
    count_ = frameCount;
    step_ = 1;
    SendSkinCommand(control_, scMakeCache);
    SetEnabled(true);
}

void TsFadeTimer::Stop()
{
    SetEnabled(false);
    count_ = 0;
}

bool TsFadeTimer::BuildFrame()
{
    if (!Blend(frame_, start_, binding_.CacheBitmap(), FadeWeight(step_, count_)))
        return false;
    if (SendSkinCommand(control_, scFadeStep, 0, reinterpret_cast<LPARAM>(&frame_)) == 0) {
        WindowDc dc(control_->Handle());
        frame_.DrawTo(dc.Get(), 0, 0);
    }
    return true;
}

void TsFadeTimer::DrawFrameNow()
{
    if (Fading() && step_ <= count_ && control_->HandleAllocated())
        BuildFrame();
}

void TsFadeTimer::Tick()
{
    if (Gone(control_)) {
        Stop();
        return;
    }
    if (step_ > count_ || step_ < 0) {
        // The blend's last frame is the new look up to rounding: end on the look itself.
        if (TBitmap* cache = binding_.CacheBitmap(); cache && !cache->Empty() && control_->HandleAllocated()) {
            WindowDc dc(control_->Handle());
            cache->DrawTo(dc.Get(), 0, 0);
        }
        SendSkinCommand(control_, scStopFading);
        return;
    }
    if (!control_->HandleAllocated()) {
        Stop();
        binding_.CacheInvalid = true;
        return;
    }
    if (!BuildFrame()) {
        SendSkinCommand(control_, scStopFading);
        return;
    }
    ++step_;
}

TsAnimTimer::TsAnimTimer(TControl* control, TsCommonData& binding)
    : TTimer(control), control_(control), binding_(binding)
{
    SetEnabled(false);
    SetInterval(kFadeInterval);
    OnTimer = [this](TComponent*) { Tick(); };
}

void TsAnimTimer::Start(int frameCount, int firstStep)
{
    TBitmap* cache = binding_.CacheBitmap();
    if (!cache || cache->Empty())
        return;
    CopyImage(start_, *cache);
    count_ = frameCount;
    step_ = firstStep;
    SetEnabled(true);
}

void TsAnimTimer::Stop()
{
    SetEnabled(false);
    count_ = 0;
}

void TsAnimTimer::Tick()
{
    if (!busy_ && !Gone(control_) && count_ > 0 &&
        Blend(frame_, start_, binding_.CacheBitmap(), FadeWeight(step_, count_))) {
        busy_ = true;
        TWinControl* parent = control_->Parent();
        SendSkinCommand(parent, scSetPaintingChild, 0, reinterpret_cast<LPARAM>(control_));
        SendSkinCommand(control_, scSetUpdating, 0);
        if (parent)
            parent->PaintControlNow(control_);
        SendSkinCommand(parent, scSetPaintingChild, 0, 0);
        busy_ = false;
    }
    ++step_;
    if (step_ > count_ && !Gone(control_))
        SendSkinCommand(control_, scStopFading);
}
