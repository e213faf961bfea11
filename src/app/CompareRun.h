#pragma once
// One run of the Compare command's reading: both passes (the comparison,
// then the checksums) run on the user-interface thread block by block, and
// between blocks the window answers and shows how far the run is. Windows only.

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/BusyPump.h"
#include "app/ProgressPacing.h"
#include "app/ReadProgress.h"
#include "app/TaskbarProgress.h"

class TControl;

class TCompareRun : public ReadProgress {
public:
    // Thrown out of a read when the user stopped the run.
    struct Stopped {};

    // `status` is the status line, whose text is shown again should the run
    // not reach a verdict; `form` the window that answers meanwhile.
    TCompareRun(HWND form, TControl* status);
    // Takes the progress off the status line and the taskbar button.
    ~TCompareRun();
    TCompareRun(const TCompareRun&) = delete;
    TCompareRun& operator=(const TCompareRun&) = delete;

    // The first reading announced is the comparison; the checksums read the
    // same bytes again, so the whole run reads twice as much.
    void ReadStarting(std::uint64_t bytes) override;
    void BytesRead(std::uint64_t count) override;

    // The run reached its verdict: the status line is the caller's again.
    void Finished() { finished_ = true; }
    // A close of the window arrived: the run stops, and the window closes
    // once it has.
    void AskToClose() { pump_.Ask(TBusyPump::Request::StopAndClose); }
    bool CloseAsked() const { return pump_.Asked() == TBusyPump::Request::StopAndClose; }

private:
    double Seconds() const;
    void ShowProgress(double seconds);

    TControl* status_;
    std::string statusBefore_;
    TBusyPump pump_;
    TTaskbarProgress taskbar_;
    TProgressPacing pacing_;
    LARGE_INTEGER start_{};
    LARGE_INTEGER frequency_{};
    std::uint64_t total_ = 0;
    std::uint64_t done_ = 0;
    bool shown_ = false;
    bool finished_ = false;
};
