#include "wren/Listener.h"

#include <algorithm>
#include <utility>

#include "wren/ConnectionState.h"

namespace WREN {

Listener::Listener() = default;

Listener::Listener(const Listener& /*other*/) : Listener() {}

Listener& Listener::operator=(const Listener& /*other*/) {
    return *this;
}

Listener::~Listener() {
    disconnect();
}

void Listener::disconnect() {
    std::vector<std::shared_ptr<ConnectionState>> cut;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        cut.swap(connections_);
    }
    // Outside our own lock: disconnecting may wait for a running call, and that call may
    // itself connect or disconnect through this listener.
    for (const auto& state : cut) {
        state->disconnect();
    }
}

std::size_t Listener::connectionCount() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return static_cast<std::size_t>(
        std::count_if(connections_.begin(), connections_.end(),
                      [](const auto& state) { return state->connected(); }));
}

void Listener::adopt(std::shared_ptr<ConnectionState> state) {
    std::lock_guard<std::mutex> guard(mutex_);
    std::erase_if(connections_, [](const auto& s) { return !s->connected(); });
    connections_.push_back(std::move(state));
}

}  // namespace WREN
