#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

namespace WREN {

class ConnectionState;
template <class T>
class Emitter;

// The owner of the connections made for a receiver object. Receivers derive from Listener
// (or hold one) and pass it to Emitter::connect; the connections then live until
// `disconnect` or the listener's destruction, whichever comes first. No call reaches a
// listener after its destructor has started: the destructor cuts every connection and waits
// for a call running on another thread to finish.
//
// A class whose receivers may run on another thread should call `disconnect` first thing in
// its own destructor, because the Listener base is destroyed after the derived parts.
//
// Either side may die first: when the emitter is destroyed, its connections are cut and the
// listener merely drops its records of them.
//
// Copying: a copy starts with no connections (connections are bound to the original object),
// and assignment leaves the target's own connections as they are.
class Listener {
public:
    Listener();
    Listener(const Listener& other);
    Listener& operator=(const Listener& other);
    virtual ~Listener();

    // Cuts every connection owned by this listener. The listener stays usable: new
    // connections may be made afterwards.
    void disconnect();

    // The number of owned connections that are still live.
    std::size_t connectionCount() const;

private:
    template <class T>
    friend class Emitter;

    // Takes shared ownership of a new connection; drops records of connections already cut.
    void adopt(std::shared_ptr<ConnectionState> state);

    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<ConnectionState>> connections_;
};

}  // namespace WREN
