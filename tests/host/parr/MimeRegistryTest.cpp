#include "parr/MimeRegistry.h"

#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "parr/IntType.h"
#include "parr/StringType.h"

namespace PARR {
namespace {

// The registry is process-wide and never forgets a key: every test uses keys of its own.

TEST(MimeRegistryRegistration, RegistersAKeyWithItsType) {
    const StringID key("test.registry.plain");
    MimeRegistry& registry = MimeRegistry::instance();
    EXPECT_FALSE(registry.isRegistered(key));
    EXPECT_FALSE(registry.typeOf(key));
    ErrorHolder erh;
    EXPECT_TRUE(registry.registerMimeType(key, IntType::Create(), erh));
    EXPECT_FALSE(erh.hasError());
    EXPECT_TRUE(registry.isRegistered(key));
    ASSERT_TRUE(registry.typeOf(key));
    EXPECT_EQ(registry.typeOf(key)->name(), "int");
}

TEST(MimeRegistryRegistration, ASecondRegistrationOfTheSameTypeKeepsOneEntry) {
    const StringID key("test.registry.twice");
    MimeRegistry& registry = MimeRegistry::instance();
    const Holder<MimeType> first = IntType::Create();
    EXPECT_TRUE(registry.registerMimeType(key, first));
    EXPECT_TRUE(registry.registerMimeType(key, IntType::Create()));
    EXPECT_EQ(registry.typeOf(key), first);
    int entries = 0;
    for (const StringID& k : registry.keys())
        entries += k == key ? 1 : 0;
    EXPECT_EQ(entries, 1);
}

TEST(MimeRegistryErrors, RefusesTheSameKeyWithAnotherType) {
    const StringID key("test.registry.conflict");
    MimeRegistry& registry = MimeRegistry::instance();
    ASSERT_TRUE(registry.registerMimeType(key, IntType::Create()));
    ErrorHolder erh;
    EXPECT_FALSE(registry.registerMimeType(key, StringType::Create(), erh));
    ASSERT_TRUE(erh.hasError());
    EXPECT_EQ(erh.getError()->identifier(), MimeRegistry::kTypeConflict);
    EXPECT_EQ(erh.getError()->code(), MimeRegistry::kTypeConflictCode);
    EXPECT_EQ(erh.getError()->arguments(), (std::vector<std::string>{key.str(), "int", "string"}));
    EXPECT_EQ(registry.typeOf(key)->name(), "int");
}

TEST(MimeRegistryErrors, RefusesANullType) {
    const StringID key("test.registry.null");
    ErrorHolder erh;
    EXPECT_FALSE(MimeRegistry::instance().registerMimeType(key, Holder<MimeType>(), erh));
    ASSERT_TRUE(erh.hasError());
    EXPECT_EQ(erh.getError()->identifier(), MimeRegistry::kNoType);
    EXPECT_FALSE(MimeRegistry::instance().isRegistered(key));
}

TEST(MimeRegistryThreads, RegistrationsFromSeveralThreadsAllArrive) {
    constexpr int kPerThread = 200;
    auto registerRange = [](int thread) {
        for (int i = 0; i < kPerThread; ++i) {
            const StringID key("test.registry.thread." + std::to_string(i % 50) + "." +
                               std::to_string(thread * kPerThread + i));
            MimeRegistry::instance().registerMimeType(key, IntType::Create());
            MimeRegistry::instance().registerMimeType("test.registry.thread.shared",
                                                      IntType::Create());
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t)
        threads.emplace_back(registerRange, t);
    for (std::thread& t : threads)
        t.join();
    for (int t = 0; t < 3; ++t) {
        for (int i = 0; i < kPerThread; ++i) {
            const StringID key("test.registry.thread." + std::to_string(i % 50) + "." +
                               std::to_string(t * kPerThread + i));
            EXPECT_TRUE(MimeRegistry::instance().isRegistered(key)) << key.str();
        }
    }
    EXPECT_TRUE(MimeRegistry::instance().isRegistered("test.registry.thread.shared"));
}

}  // namespace
}  // namespace PARR
