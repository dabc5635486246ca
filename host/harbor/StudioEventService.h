#pragma once

#include <cstddef>
#include <utility>

#include "harbor/StudioService.h"
#include "wren/Connection.h"
#include "wren/Emitter.h"
#include "wren/Listener.h"
#include "wren/Packet.h"
#include "wren/Thread.h"

namespace HARBOR {

// A studio service that delivers events of type T to its subscribers, built on a WREN
// emitter: a subscription is a WREN connection owned by the subscribing listener, so it ends
// when the listener is destroyed or disconnects, or when the service goes.
//
// Delivery follows WREN (Emitter.h, Packet.h): subscribers are called in subscription order;
// a subscription made with a named thread is delivered on that thread according to the send
// mode. Subscribing does not take the global connection lock; callers that must hold it do so
// themselves.
template <class T>
class StudioEventService : public StudioService {
public:
    using Receiver = typename WREN::Emitter<T>::Receiver;

    // Subscribes `receiver`, owned by `listener`, delivered on `thread` (null: on the sending
    // thread). The returned handle can end the subscription.
    WREN::Connection subscribe(WREN::Listener& listener, Receiver receiver,
                               WREN::Thread* thread = nullptr) {
        return emitter_.connect(listener, std::move(receiver), thread);
    }
    // Subscribes a member function of a listener object, `(object.*method)(event)`.
    template <class Object, WREN::ReceiverMethod<Object, T> Method>
    WREN::Connection subscribe(Object& object, Method method, WREN::Thread* thread = nullptr) {
        return emitter_.connect(object, method, thread);
    }

    // Delivers `event` to every subscriber with `sendMode` (WREN::SendMode, 0 to 3); with
    // `waitForDelivery`, a sender off the user-interface thread waits for queued calls.
    // Throws std::invalid_argument for a send mode outside 0..3, before calling anyone.
    void send(const T& event, int sendMode = WREN::SendOnReceiverThread,
              bool waitForDelivery = false) {
        emitter_.sendPacket(WREN::Packet<T>(event, sendMode), waitForDelivery);
    }
    // Delivers the packet's value with the packet's send mode (as send).
    void sendPacket(const WREN::Packet<T>& packet, bool waitForDelivery) {
        emitter_.sendPacket(packet, waitForDelivery);
    }

    // The number of live subscriptions.
    std::size_t subscriberCount() const { return emitter_.connectionCount(); }

private:
    WREN::Emitter<T> emitter_;
};

}  // namespace HARBOR
