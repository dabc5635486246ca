#include "wren/Connection.h"

#include <utility>

#include "wren/ConnectionState.h"

namespace WREN {

Connection::Connection(std::weak_ptr<ConnectionState> state) : state_(std::move(state)) {}

void Connection::disconnect() {
    if (auto state = state_.lock()) {
        state->disconnect();
    }
}

bool Connection::connected() const {
    auto state = state_.lock();
    return state && state->connected();
}

bool Connection::operator==(const Connection& other) const {
    return !state_.owner_before(other.state_) && !other.state_.owner_before(state_);
}

}  // namespace WREN
