#include "parr/GList.h"

#include <string>

#include <gtest/gtest.h>

namespace PARR {
namespace {

TEST(GListEditing, AppendsAndInsertsInOrder) {
    GList<std::string> l;
    l.append("b");
    l.push_back("d");
    l.insert(0, "a");
    l.insert(2, "c");
    l.insert(99, "e");
    EXPECT_EQ(l, (GList<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(l.front(), "a");
    EXPECT_EQ(l.back(), "e");
}

TEST(GListEditing, RemovesByIndexAndByValue) {
    GList<int> l{1, 2, 3, 2, 4, 2};
    l.removeAt(0);
    l.removeAt(42);
    EXPECT_EQ(l, (GList<int>{2, 3, 2, 4, 2}));
    EXPECT_TRUE(l.removeOne(2));
    EXPECT_EQ(l, (GList<int>{3, 2, 4, 2}));
    EXPECT_EQ(l.removeAll(2), 2u);
    EXPECT_EQ(l, (GList<int>{3, 4}));
    EXPECT_FALSE(l.removeOne(7));
}

TEST(GListSearch, IndexOfFindsTheFirstEqualValueOrNpos) {
    const GList<int> l{5, 6, 5};
    EXPECT_EQ(l.indexOf(5), 0u);
    EXPECT_EQ(l.indexOf(6), 1u);
    EXPECT_EQ(l.indexOf(7), GList<int>::npos);
    EXPECT_TRUE(l.contains(6));
    EXPECT_FALSE(l.contains(7));
}

TEST(GListAccess, AtChecksTheIndex) {
    GList<int> l{1};
    EXPECT_EQ(l.at(0), 1);
    EXPECT_THROW(l.at(1), std::out_of_range);
}

TEST(GListAccess, CopiesAreIndependent) {
    GList<int> original{1, 2};
    const GList<int> copy = original;
    original[0] = 9;
    original.clear();
    EXPECT_EQ(copy, (GList<int>{1, 2}));
    EXPECT_TRUE(original.empty());
}

}  // namespace
}  // namespace PARR
