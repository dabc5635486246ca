#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "sim/RunControl.h"

namespace VTSIM {

// Runs one job at a time on a worker thread of its own, named "vtsim-run", and tells how it
// ended. The job receives the control() of this thread and is expected to call its
// checkpoint() after each solver step.
//
// start() and the destructor are called by the owner's thread; state(), errorMessage(),
// wait() and control() from any thread. A RunThread can run one job after another.
class RunThread {
public:
    enum class State { Idle, Running, Finished, Stopped, Failed };

    RunThread() = default;
    // Stops the job, if one runs, and joins the worker (waiting for the job to reach its next
    // checkpoint and return).
    ~RunThread();
    RunThread(const RunThread&) = delete;
    RunThread& operator=(const RunThread&) = delete;

    // Starts `job(control())` on the worker, the control reset (not paused, not stopped, time
    // 0). Throws std::logic_error while a job runs (until wait() would return), and
    // std::invalid_argument for an empty job.
    void start(std::function<void(RunControl&)> job);

    RunControl& control() { return control_; }

    // Blocks until the job has ended and the finished callback has returned; returns at once
    // when no job was started. Not to be called from the finished callback.
    void wait();

    // Idle before the first start(); Running from start() until the job returns; then
    // Finished, or Stopped when stop() had been asked, or Failed when the job threw.
    State state() const;
    // The what() of the exception a Failed job threw; empty in every other state.
    std::string errorMessage() const;

    // Called on the worker thread once the job has ended, with its final state (already what
    // state() returns), so that a UI can post itself a notice. Set before start(); optional.
    // It must not throw, nor call start() or wait() of this thread.
    void setFinishedCallback(std::function<void(State)> callback);

private:
    void runJob(const std::function<void(RunControl&)>& job);

    RunControl control_;
    mutable std::mutex mutex_;
    std::condition_variable endedCondition_;
    State state_ = State::Idle;
    // False from start() until the callback of the job's end has returned.
    bool ended_ = true;
    std::string errorMessage_;
    std::function<void(State)> finishedCallback_;
    std::thread worker_;
};

}  // namespace VTSIM
