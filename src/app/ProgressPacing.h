#pragma once
// When a command that reads files on the user-interface thread lets its
// windows answer, and when it shows how far it has come. Portable.

class TProgressPacing {
public:
    // The window answers at least this often (seconds), besides the time one
    // read takes (a few milliseconds for a block of 1 MiB), so within 50 ms.
    // Not much more often: under Wine on a busy machine each look at the queue
    // waits about 0.6 ms for the server (measured: 68 looks cost 44 ms of a
    // 1.9 s Compare of two 1 GiB files), which a look every 25 ms made 2 %.
    static constexpr double PumpInterval = 0.04;
    // Commands that end sooner show no progress, so the status line does not
    // flicker on small files.
    static constexpr double FirstShow = 0.5;
    // A few updates a second: each costs a repaint of the status line.
    static constexpr double ShowInterval = 0.25;

    struct Step {
        bool pump = false;
        bool show = false;
    };

    // What is due at `seconds` since the command started; a show is always
    // followed by a pump, which paints it.
    Step At(double seconds);

private:
    double lastPump_ = 0;
    double nextShow_ = FirstShow;
};
