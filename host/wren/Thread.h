#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <thread>

namespace WREN {

// A named delivery thread for signal receivers.
//
// In this host every named thread is served by the user-interface thread: there are no extra
// operating-system threads. "TESSEL", the scripting thread, is therefore the user-interface
// thread, and delivering a call "on TESSEL" from the user-interface thread is a direct call.
//
// The user-interface thread is the thread that loads the host library (the main thread of a
// program linked against it; the first thread to ask, should the library be loaded late).
//
// Calls aimed at a named thread from any other thread are queued. They run, in the order they
// were queued, when the user-interface thread calls `processPending`. Whenever a call is
// queued the wake-up handler runs on the queuing thread; the default handler asks a running
// Qt application (if any) to call `processPending` from its event loop, so in the studio
// queued calls run without further help, and a program without an event loop (a test) calls
// `processPending` itself.
//
// Named thread objects are created on first request and live until the process ends.
// All operations are thread-safe.
class Thread {
public:
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // The named thread called `name`, created on first request. Never null; the same name
    // always gives the same object.
    static Thread* getNamedThread(const std::string& name);

    // The thread that serves user-interface work ("UserInterface"); never null.
    static Thread* userInterface();

    // The identity of the operating-system thread that serves every named thread.
    static std::thread::id userInterfaceThreadId();

    // True when the caller runs on the user-interface thread.
    static bool isUserInterfaceThread();

    // Runs the calls queued before this call started, in queue order, and returns how many
    // ran. Calls queued while it runs wait for the next call. A queued call that throws is
    // reported on stderr and the others still run. Called on any thread other than the
    // user-interface thread it does nothing and returns 0.
    static std::size_t processPending();

    // The number of calls waiting for `processPending`.
    static std::size_t pendingCount();

    // Replaces the function run (on the queuing thread) each time a call is queued. An empty
    // function restores the default, which posts `processPending` to a running Qt application.
    static void setWakeUpHandler(std::function<void()> handler);

    // Where a call for a connection must go, given a send mode (0 to 3, see Packet.h) and the
    // connection's thread (null for a connection without one): the thread to queue the call
    // on, or null when the call is made at once on the sending thread. Throws
    // std::invalid_argument for a mode outside 0..3.
    static Thread* queueFor(int sendMode, Thread* receiverThread);

    const std::string& name() const { return name_; }

    // True when the caller runs on the operating-system thread serving this named thread.
    bool isCurrent() const;

    // Queues `call` for the next `processPending`, even when the caller is on this thread.
    void post(std::function<void()> call);

    // Runs `call` at once when the caller is on this thread, else queues it.
    void invoke(std::function<void()> call);

private:
    explicit Thread(std::string name);

    std::string name_;
};

}  // namespace WREN
