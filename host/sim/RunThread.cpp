#include "sim/RunThread.h"

#include <pthread.h>

#include <stdexcept>

namespace VTSIM {

RunThread::~RunThread() {
    control_.stop();
    if (worker_.joinable())
        worker_.join();
}

void RunThread::start(std::function<void(RunControl&)> job) {
    if (!job)
        throw std::invalid_argument("RunThread: no job to run");
    {
        std::lock_guard lock(mutex_);
        if (!ended_)
            throw std::logic_error(
                "RunThread: a run is still going on; stop it or wait for it before starting "
                "another");
    }
    // The previous worker has ended (its callback returned): joining it does not block.
    if (worker_.joinable())
        worker_.join();
    control_.reset();
    {
        std::lock_guard lock(mutex_);
        state_ = State::Running;
        ended_ = false;
        errorMessage_.clear();
    }
    try {
        worker_ = std::thread([this, job = std::move(job)] { runJob(job); });
    } catch (...) {
        std::lock_guard lock(mutex_);
        state_ = State::Idle;
        ended_ = true;
        throw;
    }
}

void RunThread::runJob(const std::function<void(RunControl&)>& job) {
    pthread_setname_np(pthread_self(), "vtsim-run");
    State outcome = State::Finished;
    std::string message;
    try {
        job(control_);
        if (control_.isStopRequested())
            outcome = State::Stopped;
    } catch (const std::exception& error) {
        outcome = State::Failed;
        message = error.what();
    } catch (...) {
        outcome = State::Failed;
        message = "the run failed with an exception of an unknown type";
    }

    std::function<void(State)> callback;
    {
        std::lock_guard lock(mutex_);
        state_ = outcome;
        errorMessage_ = message;
        callback = finishedCallback_;
    }
    if (callback)
        callback(outcome);
    {
        std::lock_guard lock(mutex_);
        ended_ = true;
    }
    endedCondition_.notify_all();
}

void RunThread::wait() {
    std::unique_lock lock(mutex_);
    endedCondition_.wait(lock, [this] { return ended_; });
}

RunThread::State RunThread::state() const {
    std::lock_guard lock(mutex_);
    return state_;
}

std::string RunThread::errorMessage() const {
    std::lock_guard lock(mutex_);
    return errorMessage_;
}

void RunThread::setFinishedCallback(std::function<void(State)> callback) {
    std::lock_guard lock(mutex_);
    finishedCallback_ = std::move(callback);
}

}  // namespace VTSIM
