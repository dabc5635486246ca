#include "parr/StringID.h"

#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace PARR {
namespace {

TEST(StringIDInterning, SameTextGivesEqualIdsWithTheSameHash) {
    const std::string text = "Vantor:VTDomain";
    const StringID a("Vantor:VTDomain");
    const StringID b(text);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.hash(), b.hash());
    EXPECT_EQ(gHash(a), gHash(b));
    EXPECT_EQ(a.c_str(), b.c_str());  // one stored copy of the text
}

TEST(StringIDInterning, DifferentTextsGiveDifferentIds) {
    EXPECT_NE(StringID("MoveLine"), StringID("moveline"));
    EXPECT_NE(StringID("MoveLine"), StringID("MoveLine "));
    EXPECT_NE(StringID("a"), StringID());
}

TEST(StringIDInterning, KeepsTheText) {
    EXPECT_EQ(StringID("DoNothing").str(), "DoNothing");
    EXPECT_TRUE(StringID().empty());
    EXPECT_EQ(StringID(), StringID(""));
}

TEST(StringIDInterning, HashesLikeItsText) {
    EXPECT_EQ(gHash(StringID("vantor")), gHash(std::string("vantor")));
}

TEST(StringIDOrdering, OrdersByTextAndIsIrreflexive) {
    EXPECT_LT(StringID("alpha"), StringID("beta"));
    EXPECT_FALSE(StringID("beta") < StringID("alpha"));
    EXPECT_FALSE(StringID("same") < StringID("same"));
}

TEST(StringIDThreads, TextsInternedOnTwoThreadsAreTheSameIds) {
    constexpr int kCount = 2000;
    auto internAll = [](std::vector<StringID>& out) {
        for (int i = 0; i < kCount; ++i)
            out.emplace_back("thread-key-" + std::to_string(i));
    };
    std::vector<StringID> first;
    std::vector<StringID> second;
    std::thread a(internAll, std::ref(first));
    std::thread b(internAll, std::ref(second));
    a.join();
    b.join();
    ASSERT_EQ(first.size(), second.size());
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(first[i], second[i]);
        EXPECT_EQ(first[i].c_str(), second[i].c_str());
    }
    EXPECT_EQ(first[7], StringID("thread-key-7"));
}

}  // namespace
}  // namespace PARR
