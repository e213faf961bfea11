#include "app/ProgressPacing.h"

TProgressPacing::Step TProgressPacing::At(double seconds)
{
    Step step;
    if (seconds >= nextShow_) {
        step.show = true;
        nextShow_ = seconds + ShowInterval;
    }
    if (step.show || seconds - lastPump_ >= PumpInterval) {
        step.pump = true;
        lastPump_ = seconds;
    }
    return step;
}
