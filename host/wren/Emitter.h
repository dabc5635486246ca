#pragma once

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <functional>
#include <latch>
#include <memory>
#include <mutex>
#include <type_traits>
#include <utility>
#include <vector>

#include "wren/Connection.h"
#include "wren/ConnectionState.h"
#include "wren/Listener.h"
#include "wren/Packet.h"
#include "wren/Thread.h"

namespace WREN {

// A member function of a listener class that can receive payloads of type T.
template <class Method, class Object, class T>
concept ReceiverMethod = std::derived_from<Object, Listener> &&
    std::is_member_function_pointer_v<Method> && std::is_invocable_v<Method, Object&, const T&>;

// A typed signal: delivers payloads of type T to its connected receivers.
//
// Connections are owned by the Listener they are made for; an emitter cuts all of its
// connections when destroyed, and a listener cuts its own when destroyed, so either may die
// first and no receiver is called after its listener's destruction began.
//
// Delivery: each emission calls the connections that are live when it starts, in the order
// they were made. A receiver may disconnect itself or others during delivery (a connection
// cut before its turn is not called) and may make new connections (they are first called by
// the next emission). Receivers must not throw: an exception from a direct call leaves the
// emission and skips the remaining receivers; one from a queued call is reported on stderr.
//
// Threads: a connection may name the thread it is delivered on (Thread::getNamedThread).
// Calls aimed at another thread than the sender's are queued with a copy of the payload
// (see Packet.h for the send modes, Thread.h for when queued calls run).
//
// Locks: connect and delivery use an internal lock only, never the global connection lock,
// so callers may hold GetGlobalConnectionLock() in either mode while connecting or emitting.
// No internal lock is held while a receiver runs.
template <class T>
class Emitter {
public:
    using Receiver = std::function<void(const T&)>;

    Emitter() = default;
    Emitter(const Emitter&) = delete;
    Emitter& operator=(const Emitter&) = delete;
    ~Emitter() { disconnectAll(); }

    // Connects `receiver`, owned by `listener`, delivered on `thread` (null: on the sending
    // thread). Returns a handle that can cut this connection.
    Connection connect(Listener& listener, Receiver receiver, Thread* thread = nullptr) {
        auto slot = std::make_shared<Slot>(std::move(receiver), thread);
        {
            std::lock_guard<std::mutex> guard(mutex_);
            std::erase_if(slots_, [](const auto& s) { return !s->connected(); });
            slots_.push_back(slot);
        }
        listener.adopt(slot);
        return Connection(slot);
    }

    // Connects a member function of a listener object: `(object.*method)(payload)`, where the
    // method takes the payload by value or by constant reference. The object owns the
    // connection through its Listener base.
    template <class Object, ReceiverMethod<Object, T> Method>
    Connection connect(Object& object, Method method, Thread* thread = nullptr) {
        Object* target = &object;
        return connect(
            static_cast<Listener&>(object),
            [target, method](const T& payload) { std::invoke(method, *target, payload); }, thread);
    }

    // Delivers `payload` with send mode 3: each receiver on its own thread.
    void emit(const T& payload) { deliver(payload, SendOnReceiverThread, false); }

    // Delivers the packet's value with the packet's send mode (Packet.h). When
    // `waitForDelivery` is true and some calls had to be queued, the sender blocks until they
    // have run (or were skipped because their connection was cut); on the user-interface
    // thread, which runs the queue itself, the flag has no effect. Throws
    // std::invalid_argument for a send mode outside 0..3 before calling anyone.
    void sendPacket(const Packet<T>& packet, bool waitForDelivery) {
        deliver(packet.value(), packet.sendMode(), waitForDelivery);
    }

    // The number of live connections.
    std::size_t connectionCount() const {
        std::lock_guard<std::mutex> guard(mutex_);
        return static_cast<std::size_t>(std::count_if(
            slots_.begin(), slots_.end(), [](const auto& s) { return s->connected(); }));
    }

    // Cuts every connection of this emitter.
    void disconnectAll() {
        std::vector<std::shared_ptr<Slot>> cut;
        {
            std::lock_guard<std::mutex> guard(mutex_);
            cut.swap(slots_);
        }
        for (const auto& slot : cut) {
            slot->disconnect();
        }
    }

private:
    struct Slot : ConnectionState {
        Slot(Receiver r, Thread* t) : receiver(std::move(r)), thread(t) {}
        Receiver receiver;
        Thread* thread;
    };

    struct Route {
        std::shared_ptr<Slot> slot;
        Thread* queue;  // null: call at once
    };

    std::vector<Route> routesFor(int sendMode) const {
        std::vector<Route> routes;
        std::lock_guard<std::mutex> guard(mutex_);
        for (const auto& slot : slots_) {
            if (slot->connected()) {
                routes.push_back({slot, Thread::queueFor(sendMode, slot->thread)});
            }
        }
        return routes;
    }

    void deliver(const T& payload, int sendMode, bool waitForDelivery) {
        Thread::queueFor(sendMode, nullptr);  // rejects an unknown mode even without receivers
        const std::vector<Route> routes = routesFor(sendMode);
        const auto queued = static_cast<std::ptrdiff_t>(std::count_if(
            routes.begin(), routes.end(), [](const Route& r) { return r.queue != nullptr; }));
        std::shared_ptr<const T> copy;
        std::shared_ptr<std::latch> done;
        if (queued > 0) {
            copy = std::make_shared<const T>(payload);
            done = std::make_shared<std::latch>(queued);
        }
        for (const Route& route : routes) {
            if (route.queue == nullptr) {
                route.slot->callIfConnected([&] { route.slot->receiver(payload); });
            } else {
                queueCall(route, copy, done);
            }
        }
        if (done && waitForDelivery && !Thread::isUserInterfaceThread()) {
            done->wait();
        }
    }

    static void queueCall(const Route& route, std::shared_ptr<const T> copy,
                          std::shared_ptr<std::latch> done) {
        route.queue->post([slot = route.slot, copy = std::move(copy), done = std::move(done)] {
            // Counted down also when the receiver throws, so a waiting sender is released.
            struct CountDown {
                std::latch& latch;
                ~CountDown() { latch.count_down(); }
            } countDown{*done};
            slot->callIfConnected([&] { slot->receiver(*copy); });
        });
    }

    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<Slot>> slots_;
};

}  // namespace WREN
