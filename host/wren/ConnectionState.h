#pragma once

#include <atomic>
#include <mutex>

namespace WREN {

// The shared state of one connection between an emitter and a receiver: whether it is still
// live, and a lock held while the receiver is being called.
//
// Lifetime: shared (std::shared_ptr) by the emitter's list, the owning Listener and every
// queued call; Connection values only observe it. It outlives whichever of emitter and
// listener dies first, so either side may cut the connection safely.
//
// Thread safety: all operations may be called from any thread. `disconnect` waits for a call
// of this connection that is running on another thread to return, so after it returns no call
// is running there and none will start. A receiver may disconnect its own connection from
// inside the call (the lock is recursive); the running call simply finishes.
class ConnectionState {
public:
    ConnectionState() = default;
    virtual ~ConnectionState();
    ConnectionState(const ConnectionState&) = delete;
    ConnectionState& operator=(const ConnectionState&) = delete;

    bool connected() const { return live_.load(std::memory_order_acquire); }

    // Cuts the connection. Returns true when it was live, false when it had been cut before.
    bool disconnect();

    // Runs `call` under the call lock when the connection is still live; returns whether it ran.
    template <class Call>
    bool callIfConnected(Call&& call) {
        std::lock_guard<std::recursive_mutex> guard(callMutex_);
        if (!connected()) {
            return false;
        }
        call();
        return true;
    }

private:
    std::atomic<bool> live_{true};
    std::recursive_mutex callMutex_;
};

}  // namespace WREN
