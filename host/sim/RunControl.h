#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace VTSIM {

class RunThread;

// Shared between a run, on its worker thread, and whoever controls it (the studio's UI thread,
// the command line). Every member is thread-safe. The run calls checkpoint() after each
// accepted solver step; the controller pauses, resumes or stops the run and reads its
// progress. Nothing happens to the run between checkpoints: pause and stop take effect at the
// next one.
class RunControl {
public:
    RunControl() = default;
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;

    // The run blocks at its next checkpoint until resume() or stop().
    void pause();
    void resume();
    // The run ends at its next checkpoint, also while it is held by a pause. Final: a stopped
    // control stays stopped.
    void stop();

    // Called by the run after each accepted solver step at simulated time `time` (seconds):
    // publishes the progress, blocks while paused, returns false once stop() was called (the
    // run should then end). Never blocks when not paused.
    bool checkpoint(double time);

    // The last time published by checkpoint(); 0 before the first checkpoint.
    double simulatedTime() const { return time_.load(std::memory_order_acquire); }
    bool isPaused() const { return paused_.load(std::memory_order_acquire); }
    bool isStopRequested() const { return stopRequested_.load(std::memory_order_acquire); }
    // True while the run is actually blocked at a checkpoint by a pause (a UI shows "paused
    // at t" only then; between pause() and the next checkpoint the run still advances).
    bool isHeld() const { return held_.load(std::memory_order_acquire); }

private:
    friend class RunThread;
    // Back to a fresh control for the next run; only while no run uses it.
    void reset();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<double> time_{0};
    std::atomic<bool> paused_{false};
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> held_{false};
};

}  // namespace VTSIM
