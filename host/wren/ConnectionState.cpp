#include "wren/ConnectionState.h"

namespace WREN {

ConnectionState::~ConnectionState() = default;

bool ConnectionState::disconnect() {
    const bool wasLive = live_.exchange(false, std::memory_order_acq_rel);
    // Taking the call lock once waits for a call running on another thread; on the thread
    // that is inside the call the recursive lock lets the receiver cut itself.
    std::lock_guard<std::recursive_mutex> guard(callMutex_);
    return wasLive;
}

}  // namespace WREN
