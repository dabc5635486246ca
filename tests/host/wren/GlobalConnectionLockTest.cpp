#include "wren/GlobalConnectionLock.h"

#include <gtest/gtest.h>

#include <mutex>
#include <shared_mutex>

#include "wren/Emitter.h"
#include "wren/Thread.h"

using WREN::Emitter;
using WREN::GetGlobalConnectionLock;
using WREN::Listener;

namespace {

// A receiver owner that, like the studio's objects, connects under the write lock.
class Owner : public Listener {
public:
    void attach(Emitter<int>& emitter) {
        std::unique_lock<std::shared_mutex> lock(GetGlobalConnectionLock());
        emitter.connect(*this, &Owner::onValue, WREN::Thread::getNamedThread("TESSEL"));
    }
    void onValue(const int& v) { total += v; }
    int total = 0;
};

TEST(GlobalConnectionLock, IsOneMutexForTheWholeProcess) {
    EXPECT_EQ(&GetGlobalConnectionLock(), &GetGlobalConnectionLock());
}

TEST(GlobalConnectionLock, ConnectingWhileHoldingItForWritingDoesNotDeadlock) {
    Emitter<int> emitter;
    Owner owner;

    owner.attach(emitter);
    emitter.emit(4);

    EXPECT_EQ(owner.total, 4);
}

TEST(GlobalConnectionLock, AReceiverMayConnectUnderTheWriteLockDuringDelivery) {
    Emitter<int> emitter;
    Owner late;
    Listener first;
    emitter.connect(first, [&](const int& v) {
        if (v == 1) {
            late.attach(emitter);
        }
    });

    emitter.emit(1);
    emitter.emit(2);

    EXPECT_EQ(late.total, 2);
}

TEST(GlobalConnectionLock, DisconnectingAndEmittingWhileHoldingItDoNotDeadlock) {
    Emitter<int> emitter;
    Owner owner;
    owner.attach(emitter);

    {
        std::unique_lock<std::shared_mutex> lock(GetGlobalConnectionLock());
        emitter.emit(3);
        owner.disconnect();
        emitter.emit(5);
    }

    EXPECT_EQ(owner.total, 3);
}

TEST(GlobalConnectionLock, CanBeHeldForReadingByTwoHoldersAtOnce) {
    std::shared_lock<std::shared_mutex> first(GetGlobalConnectionLock());
    std::shared_lock<std::shared_mutex> second(GetGlobalConnectionLock(), std::try_to_lock);

    EXPECT_TRUE(second.owns_lock());
}

}  // namespace
