#pragma once

#include <utility>

#include "wren/Payload.h"

namespace WREN {

// Send modes of a Packet: how each connection of an emitter receives it. In this host every
// named thread is served by the user-interface thread (see Thread.h), so "queued" always
// means "run by the user-interface thread's next Thread::processPending".
enum SendMode : int {
    // 0: every receiver is called at once on the sending thread, whatever its thread.
    SendDirect = 0,
    // 1: every call is queued, even when the sender is on the receiver's thread; a connection
    //    without a thread is queued on the user-interface thread.
    SendQueued = 1,
    // 2: every receiver is called on the user-interface thread, whatever its thread: at once
    //    when sent from it, queued otherwise.
    SendOnUserInterfaceThread = 2,
    // 3: each receiver is called on the named thread it was connected with: at once when sent
    //    from that thread, queued otherwise; a connection without a thread is called at once.
    //    Connections on "TESSEL" sent to from the user-interface thread are direct calls.
    //    This is what Emitter::emit uses.
    SendOnReceiverThread = 3,
};

// A payload value together with the send mode to deliver it with (Emitter::sendPacket).
// A plain copyable value.
template <class T>
class Packet : public Payload {
public:
    explicit Packet(T value, int sendMode = SendOnReceiverThread)
        : value_(std::move(value)), sendMode_(sendMode) {}

    const T& value() const { return value_; }
    int sendMode() const { return sendMode_; }

private:
    T value_;
    int sendMode_;
};

}  // namespace WREN
