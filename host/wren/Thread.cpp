#include "wren/Thread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <deque>
#include <exception>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <utility>

#include "wren/Packet.h"

namespace WREN {

namespace {

// Everything the named threads share: they are all served by one operating-system thread,
// so they share one queue, which keeps calls in the order they were queued.
struct Dispatch {
    std::thread::id userInterfaceId = std::this_thread::get_id();
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<Thread>> threads;
    std::deque<std::function<void()>> queue;
    std::function<void()> wakeUp;
};

Dispatch& dispatch() {
    // Never destroyed: queued calls and named threads may be used by static destructors.
    static auto* state = new Dispatch;
    return *state;
}

// Binds the user-interface thread when the library is loaded.
[[maybe_unused]] const bool kBoundAtLoad = (dispatch(), true);

void postToQtEventLoop() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        return;
    }
    QMetaObject::invokeMethod(
        app, [] { Thread::processPending(); }, Qt::QueuedConnection);
}

void runReportingErrors(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::exception& e) {
        std::cerr << "WREN: a queued signal call raised an exception: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "WREN: a queued signal call raised an unknown exception\n";
    }
}

}  // namespace

Thread::Thread(std::string name) : name_(std::move(name)) {}

Thread* Thread::getNamedThread(const std::string& name) {
    Dispatch& d = dispatch();
    std::lock_guard<std::mutex> guard(d.mutex);
    auto found = d.threads.find(name);
    if (found != d.threads.end()) {
        return found->second.get();
    }
    auto* thread = new Thread(name);
    d.threads.emplace(name, std::unique_ptr<Thread>(thread));
    return thread;
}

Thread* Thread::userInterface() {
    return getNamedThread("UserInterface");
}

std::thread::id Thread::userInterfaceThreadId() {
    return dispatch().userInterfaceId;
}

bool Thread::isUserInterfaceThread() {
    return std::this_thread::get_id() == userInterfaceThreadId();
}

std::size_t Thread::processPending() {
    if (!isUserInterfaceThread()) {
        return 0;
    }
    Dispatch& d = dispatch();
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard<std::mutex> guard(d.mutex);
        batch.swap(d.queue);
    }
    for (const auto& call : batch) {
        runReportingErrors(call);
    }
    return batch.size();
}

std::size_t Thread::pendingCount() {
    Dispatch& d = dispatch();
    std::lock_guard<std::mutex> guard(d.mutex);
    return d.queue.size();
}

void Thread::setWakeUpHandler(std::function<void()> handler) {
    Dispatch& d = dispatch();
    std::lock_guard<std::mutex> guard(d.mutex);
    d.wakeUp = std::move(handler);
}

Thread* Thread::queueFor(int sendMode, Thread* receiverThread) {
    switch (sendMode) {
        case SendDirect:
            return nullptr;
        case SendQueued:
            return receiverThread != nullptr ? receiverThread : userInterface();
        case SendOnUserInterfaceThread:
            return isUserInterfaceThread() ? nullptr : userInterface();
        case SendOnReceiverThread:
            if (receiverThread == nullptr || receiverThread->isCurrent()) {
                return nullptr;
            }
            return receiverThread;
        default:
            throw std::invalid_argument("WREN: unknown send mode " + std::to_string(sendMode) +
                                        " (valid modes are 0 to 3)");
    }
}

bool Thread::isCurrent() const {
    return isUserInterfaceThread();
}

void Thread::post(std::function<void()> call) {
    Dispatch& d = dispatch();
    std::function<void()> wakeUp;
    {
        std::lock_guard<std::mutex> guard(d.mutex);
        d.queue.push_back(std::move(call));
        wakeUp = d.wakeUp;
    }
    if (wakeUp) {
        wakeUp();
    } else {
        postToQtEventLoop();
    }
}

void Thread::invoke(std::function<void()> call) {
    if (isCurrent()) {
        call();
        return;
    }
    post(std::move(call));
}

}  // namespace WREN
