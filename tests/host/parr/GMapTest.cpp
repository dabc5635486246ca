#include "parr/GMap.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "parr/StringID.h"

namespace PARR {
namespace {

using Entries = std::vector<std::pair<int, std::string>>;

Entries entriesOf(const GMap<int, std::string>& m) {
    return Entries(m.begin(), m.end());
}

TEST(GMapOrder, IteratesByAscendingKeyWhateverTheInsertionOrder) {
    GMap<int, std::string> m;
    for (int key : {50, 3, 17, -4})
        m.insert(key, std::to_string(key));
    EXPECT_EQ(entriesOf(m), (Entries{{-4, "-4"}, {3, "3"}, {17, "17"}, {50, "50"}}));
    EXPECT_EQ(m.keys(), (GList<int>{-4, 3, 17, 50}));
    EXPECT_EQ(m.values(), (GList<std::string>{"-4", "3", "17", "50"}));
}

TEST(GMapOrder, OrdersStringIdsAlphabetically) {
    GMap<StringID, int> m{{"gamma", 3}, {"alpha", 1}, {"beta", 2}};
    EXPECT_EQ(m.keys(), (GList<StringID>{"alpha", "beta", "gamma"}));
}

TEST(GMapOrder, RemovalLeavesTheOthersInOrder) {
    GMap<int, std::string> m{{1, "a"}, {2, "b"}, {3, "c"}};
    EXPECT_TRUE(m.remove(2));
    EXPECT_FALSE(m.remove(2));
    EXPECT_EQ(entriesOf(m), (Entries{{1, "a"}, {3, "c"}}));
}

TEST(GMapLookup, InsertLeavesAnExistingEntryAloneAndInsertOrAssignReplacesIt) {
    GMap<int, std::string> m;
    EXPECT_TRUE(m.insert(1, "first"));
    EXPECT_FALSE(m.insert(1, "second"));
    EXPECT_EQ(m.value(1), "first");
    EXPECT_FALSE(m.insertOrAssign(1, "third"));
    EXPECT_EQ(m.value(1), "third");
    EXPECT_TRUE(m.insertOrAssign(2, "new"));
    EXPECT_EQ(m.size(), 2u);
}

TEST(GMapLookup, FindAndValueReportAbsentKeys) {
    GMap<int, int> m{{1, 10}};
    EXPECT_EQ(m.find(2), nullptr);
    EXPECT_EQ(m.value(2, -1), -1);
    ASSERT_NE(m.find(1), nullptr);
    *m.find(1) = 11;
    EXPECT_EQ(m.value(1), 11);
    EXPECT_TRUE(m.contains(1));
    EXPECT_FALSE(m.contains(2));
}

TEST(GMapLookup, CopiesAreIndependent) {
    GMap<int, int> original{{1, 1}};
    const GMap<int, int> copy = original;
    original[1] = 5;
    original[2] = 6;
    EXPECT_EQ(copy, (GMap<int, int>{{1, 1}}));
}

}  // namespace
}  // namespace PARR
