#include "app/CompareRun.h"

#include "app/ProgressText.h"
#include "toolkit/Application.h"
#include "toolkit/Control.h"

TCompareRun::TCompareRun(HWND form, TControl* status)
    : status_(status), statusBefore_(status->Caption()), pump_(form), taskbar_(form)
{
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
    // A hint due to show would cover the window for no command.
    if (Application)
        Application->CancelHint();
}

TCompareRun::~TCompareRun()
{
    if (shown_ && !finished_)
        status_->SetCaption(statusBefore_);
}

double TCompareRun::Seconds() const
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart - start_.QuadPart) / double(frequency_.QuadPart);
}

void TCompareRun::ReadStarting(std::uint64_t bytes)
{
    if (total_ == 0)
        total_ = 2 * bytes;
}

void TCompareRun::BytesRead(std::uint64_t count)
{
    done_ += count;
    const double seconds = Seconds();
    const TProgressPacing::Step step = pacing_.At(seconds);
    if (step.show)
        ShowProgress(seconds);
    if (!step.pump)
        return;
    pump_.Pump();
    if (pump_.Asked() != TBusyPump::Request::None)
        throw Stopped{};
}

void TCompareRun::ShowProgress(double seconds)
{
    shown_ = true;
    status_->SetCaption(CompareProgressText(done_, total_, seconds));
    taskbar_.Show(done_, total_);
}
