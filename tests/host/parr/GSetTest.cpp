#include "parr/GSet.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "parr/StringID.h"

namespace PARR {
namespace {

template <class K>
std::vector<K> valuesOf(const GSet<K>& s) {
    return std::vector<K>(s.begin(), s.end());
}

TEST(GSetOrder, IteratesInInsertionOrder) {
    GSet<StringID> s;
    for (const char* name : {"zeta", "alpha", "mu", "beta"})
        s.insert(name);
    EXPECT_EQ(valuesOf(s), (std::vector<StringID>{"zeta", "alpha", "mu", "beta"}));
    EXPECT_EQ(s.values(), (GList<StringID>{"zeta", "alpha", "mu", "beta"}));
}

TEST(GSetOrder, RemovalKeepsTheOrderOfTheOthersAndReinsertionGoesToTheEnd) {
    GSet<int> s{4, 1, 3, 2};
    EXPECT_TRUE(s.remove(1));
    EXPECT_EQ(valuesOf(s), (std::vector<int>{4, 3, 2}));
    EXPECT_TRUE(s.insert(1));
    EXPECT_EQ(valuesOf(s), (std::vector<int>{4, 3, 2, 1}));
}

TEST(GSetOrder, KeepsOrderThroughRemovalOfMostValues) {
    GSet<int> s;
    for (int i = 0; i < 300; ++i)
        s.insert(299 - i);
    std::vector<int> expected;
    for (int i = 0; i < 300; ++i) {
        const int v = 299 - i;
        if (v % 10 == 3) {
            expected.push_back(v);
        } else {
            s.remove(v);
        }
    }
    EXPECT_EQ(valuesOf(s), expected);
}

TEST(GSetMembership, InsertsEachValueOnce) {
    GSet<std::string> s;
    EXPECT_TRUE(s.insert("a"));
    EXPECT_FALSE(s.insert("a"));
    EXPECT_EQ(s.size(), 1u);
    EXPECT_TRUE(s.contains("a"));
    EXPECT_FALSE(s.contains("b"));
    EXPECT_FALSE(s.remove("b"));
}

TEST(GSetMembership, ClearEmptiesTheSet) {
    GSet<int> s{1, 2};
    s.clear();
    EXPECT_TRUE(s.empty());
    EXPECT_FALSE(s.contains(1));
}

TEST(GSetEquality, ComparesMembersWhateverTheOrder) {
    EXPECT_EQ((GSet<int>{1, 2, 3}), (GSet<int>{3, 1, 2}));
    EXPECT_NE((GSet<int>{1, 2, 3}), (GSet<int>{1, 2}));
    EXPECT_NE((GSet<int>{1, 2}), (GSet<int>{1, 5}));
}

TEST(GSetSharing, ACopyIsUnaffectedByWritesToTheOriginal) {
    GSet<int> original{1, 2, 3};
    const GSet<int> copy = original;
    EXPECT_TRUE(copy.isSharedWith(original));
    original.remove(2);
    original.insert(9);
    EXPECT_FALSE(copy.isSharedWith(original));
    EXPECT_EQ(valuesOf(copy), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(valuesOf(original), (std::vector<int>{1, 3, 9}));
}

TEST(GSetSharing, TheOriginalIsUnaffectedByClearingACopy) {
    const GSet<int> original{1, 2};
    GSet<int> copy = original;
    copy.clear();
    EXPECT_EQ(original.size(), 2u);
}

}  // namespace
}  // namespace PARR
