#include "sim/RunControl.h"

namespace VTSIM {

// The flags change under the mutex so that a run deciding to wait cannot miss the wake-up;
// they are atomics so that checkpoint() and the queries read them without the mutex.

void RunControl::pause() {
    std::lock_guard lock(mutex_);
    paused_.store(true, std::memory_order_release);
}

void RunControl::resume() {
    {
        std::lock_guard lock(mutex_);
        paused_.store(false, std::memory_order_release);
    }
    wake_.notify_all();
}

void RunControl::stop() {
    {
        std::lock_guard lock(mutex_);
        stopRequested_.store(true, std::memory_order_release);
    }
    wake_.notify_all();
}

bool RunControl::checkpoint(double time) {
    time_.store(time, std::memory_order_release);
    if (stopRequested_.load(std::memory_order_acquire))
        return false;
    // The common case, a run going on: no lock.
    if (!paused_.load(std::memory_order_acquire))
        return true;
    std::unique_lock lock(mutex_);
    held_.store(true, std::memory_order_release);
    wake_.wait(lock, [this] {
        return !paused_.load(std::memory_order_relaxed) ||
               stopRequested_.load(std::memory_order_relaxed);
    });
    held_.store(false, std::memory_order_release);
    return !stopRequested_.load(std::memory_order_relaxed);
}

void RunControl::reset() {
    std::lock_guard lock(mutex_);
    time_.store(0, std::memory_order_release);
    paused_.store(false, std::memory_order_release);
    stopRequested_.store(false, std::memory_order_release);
    held_.store(false, std::memory_order_release);
}

}  // namespace VTSIM
