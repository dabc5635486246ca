#pragma once

#include <memory>

namespace WREN {

class ConnectionState;

// A handle on one connection made by Emitter::connect. A plain copyable value that does not
// own the connection (the Listener it was made for, or the emitter, does): holding a
// Connection never keeps a receiver alive. A default-constructed Connection refers to nothing
// and reports not connected.
class Connection {
public:
    Connection() = default;
    explicit Connection(std::weak_ptr<ConnectionState> state);

    // Cuts the connection: the receiver is not called again, also not by calls already queued
    // on its thread. Does nothing when it was cut before or the handle is empty.
    void disconnect();

    // True while the connection is live: neither side cut it and the emitter still exists.
    bool connected() const;

    // True when both handles refer to the same connection (two empty handles are equal).
    bool operator==(const Connection& other) const;

private:
    std::weak_ptr<ConnectionState> state_;
};

}  // namespace WREN
