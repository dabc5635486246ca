#include "parr/GHash.h"

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include "parr/StringID.h"

namespace GHashTestKeys {
// A key whose hashes all collide, so lookups must rely on == alone.
struct CollidingKey {
    int value;
    bool operator==(const CollidingKey&) const = default;
};
inline std::size_t gHash(const CollidingKey&) {
    return 42;
}
}  // namespace GHashTestKeys

namespace PARR {
namespace {

using GHashTestKeys::CollidingKey;

template <class K, class V>
std::vector<std::pair<K, V>> entriesOf(const GHash<K, V>& h) {
    std::vector<std::pair<K, V>> out;
    for (const auto& [key, value] : h)
        out.emplace_back(key, value);
    return out;
}

using Entries = std::vector<std::pair<int, std::string>>;

TEST(GHashOrder, IteratesInInsertionOrder) {
    GHash<int, std::string> h;
    for (int key : {50, 3, 17, 1000, -4, 8})
        h.insert(key, std::to_string(key));
    EXPECT_EQ(entriesOf(h),
              (Entries{{50, "50"}, {3, "3"}, {17, "17"}, {1000, "1000"}, {-4, "-4"}, {8, "8"}}));
    EXPECT_EQ(h.keys(), (GList<int>{50, 3, 17, 1000, -4, 8}));
    EXPECT_EQ(h.values(), (GList<std::string>{"50", "3", "17", "1000", "-4", "8"}));
}

TEST(GHashOrder, AssigningAValueKeepsTheEntryInItsPlace) {
    GHash<int, std::string> h{{1, "a"}, {2, "b"}, {3, "c"}};
    EXPECT_FALSE(h.insertOrAssign(1, "A"));
    h[2] = "B";
    EXPECT_EQ(entriesOf(h), (Entries{{1, "A"}, {2, "B"}, {3, "c"}}));
}

TEST(GHashOrder, RemovalKeepsTheOrderOfTheOthersAndReinsertionGoesToTheEnd) {
    GHash<int, std::string> h{{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}};
    EXPECT_TRUE(h.remove(2));
    EXPECT_EQ(entriesOf(h), (Entries{{1, "a"}, {3, "c"}, {4, "d"}}));
    h.insert(2, "again");
    EXPECT_EQ(entriesOf(h), (Entries{{1, "a"}, {3, "c"}, {4, "d"}, {2, "again"}}));
}

TEST(GHashOrder, KeepsOrderAndLookupsThroughManyRemovals) {
    GHash<int, int> h;
    for (int i = 0; i < 1000; ++i)
        h.insert(i * 7919 % 1000, i);
    GList<int> expected;
    for (int i = 0; i < 1000; ++i) {
        const int key = i * 7919 % 1000;
        if (key % 5 == 0) {
            expected.append(key);
        } else {
            EXPECT_TRUE(h.remove(key));
        }
    }
    EXPECT_EQ(h.size(), 200u);
    EXPECT_EQ(h.keys(), expected);
    for (int key = 0; key < 1000; ++key)
        EXPECT_EQ(h.contains(key), key % 5 == 0) << key;
}

TEST(GHashOrder, RemovingEverythingLeavesAnEmptyHashThatStillWorks) {
    GHash<int, int> h{{1, 1}, {2, 2}};
    h.remove(1);
    h.remove(2);
    EXPECT_TRUE(h.empty());
    EXPECT_EQ(h.begin(), h.end());
    h.insert(3, 3);
    EXPECT_EQ(h.keys(), GList<int>{3});
}

TEST(GHashLookup, InsertLeavesAnExistingEntryAlone) {
    GHash<int, std::string> h;
    EXPECT_TRUE(h.insert(1, "first"));
    EXPECT_FALSE(h.insert(1, "second"));
    EXPECT_EQ(h.value(1), "first");
    EXPECT_EQ(h.size(), 1u);
}

TEST(GHashLookup, FindAndValueReportAbsentKeys) {
    GHash<StringID, int> h{{"vantor", 0}};
    EXPECT_TRUE(h.contains("vantor"));
    EXPECT_FALSE(h.contains("other"));
    EXPECT_EQ(h.find("other"), nullptr);
    ASSERT_NE(h.find("vantor"), nullptr);
    EXPECT_EQ(*h.find("vantor"), 0);
    EXPECT_EQ(h.value("other", -1), -1);
    EXPECT_EQ(h.value("other"), 0);
    EXPECT_FALSE(h.remove("other"));
}

TEST(GHashLookup, OperatorBracketsAddsADefaultValue) {
    GHash<std::string, int> h;
    h["x"] += 2;
    h["x"] += 3;
    EXPECT_EQ(h.value("x"), 5);
    EXPECT_EQ(h.size(), 1u);
}

TEST(GHashLookup, MatchesCollidingKeysByEquality) {
    GHash<CollidingKey, int> h;
    for (int i = 0; i < 20; ++i)
        h.insert({i}, i * 10);
    h.remove({5});
    h.remove({0});
    for (int i = 0; i < 20; ++i) {
        if (i == 5 || i == 0) {
            EXPECT_FALSE(h.contains({i}));
        } else {
            EXPECT_EQ(h.value({i}, -1), i * 10);
        }
    }
}

TEST(GHashLookup, FindsPointerKeys) {
    std::vector<double> objects(500);
    GHash<const double*, std::size_t> h;
    for (std::size_t i = 0; i < objects.size(); ++i)
        h.insert(&objects[i], i);
    for (std::size_t i = 0; i < objects.size(); ++i)
        EXPECT_EQ(h.value(&objects[i], 9999), i);
}

TEST(GHashEquality, ComparesContentsWhateverTheOrder) {
    const GHash<int, int> a{{1, 10}, {2, 20}};
    const GHash<int, int> b{{2, 20}, {1, 10}};
    const GHash<int, int> c{{1, 10}, {2, 21}};
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(GHashSharing, CopiesShareUntilWritten) {
    GHash<int, int> original{{1, 1}, {2, 2}};
    const GHash<int, int> copy = original;
    EXPECT_TRUE(copy.isSharedWith(original));
    EXPECT_EQ(copy.value(1), 1);
    EXPECT_TRUE(copy.isSharedWith(original));  // reading does not copy
    original.insert(3, 3);
    EXPECT_FALSE(copy.isSharedWith(original));
}

TEST(GHashSharing, ACopyIsUnaffectedByWritesToTheOriginal) {
    GHash<int, std::string> original{{1, "a"}, {2, "b"}};
    const GHash<int, std::string> beforeAssign = original;
    original.insertOrAssign(1, "changed");
    const GHash<int, std::string> beforeBrackets = original;
    original[2] = "changed too";
    const GHash<int, std::string> beforeFind = original;
    *original.find(1) = "found";
    const GHash<int, std::string> beforeRemove = original;
    original.remove(1);
    const GHash<int, std::string> beforeClear = original;
    original.clear();

    EXPECT_EQ(entriesOf(beforeAssign), (Entries{{1, "a"}, {2, "b"}}));
    EXPECT_EQ(entriesOf(beforeBrackets), (Entries{{1, "changed"}, {2, "b"}}));
    EXPECT_EQ(entriesOf(beforeFind), (Entries{{1, "changed"}, {2, "changed too"}}));
    EXPECT_EQ(entriesOf(beforeRemove), (Entries{{1, "found"}, {2, "changed too"}}));
    EXPECT_EQ(entriesOf(beforeClear), (Entries{{2, "changed too"}}));
    EXPECT_TRUE(original.empty());
}

TEST(GHashSharing, TheOriginalIsUnaffectedByWritesToACopy) {
    const GHash<int, int> original{{1, 1}};
    GHash<int, int> copy = original;
    copy[1] = 100;
    copy.insert(2, 2);
    EXPECT_EQ(original.value(1), 1);
    EXPECT_FALSE(original.contains(2));
}

TEST(GHashSharing, WritesThatChangeNothingKeepSharing) {
    GHash<int, int> original{{1, 1}};
    const GHash<int, int> copy = original;
    EXPECT_FALSE(original.insert(1, 5));
    EXPECT_FALSE(original.remove(7));
    EXPECT_EQ(original.find(7), nullptr);
    EXPECT_TRUE(copy.isSharedWith(original));
}

TEST(GHashSharing, MovingLeavesTheSourceEmpty) {
    GHash<int, int> source{{1, 1}};
    GHash<int, int> target = std::move(source);
    EXPECT_EQ(target.value(1), 1);
    EXPECT_TRUE(source.empty());  // NOLINT: a moved-from GHash is empty and usable
    source.insert(2, 2);
    EXPECT_FALSE(target.contains(2));
}

TEST(GHashSharing, CopiesWrittenOnSeveralThreadsStayApart) {
    GHash<int, int> shared;
    for (int i = 0; i < 100; ++i)
        shared.insert(i, i);
    constexpr int kThreads = 4;
    std::vector<GHash<int, int>> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&shared, &results, t] {
            for (int round = 0; round < 200; ++round) {
                GHash<int, int> mine = shared;
                mine[round % 100] = -t;
                mine.insert(1000 + t, t);
                results[t] = mine;
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(shared.value(i, -99), i);
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(results[t].value(1000 + t, -99), t);
        EXPECT_EQ(results[t].size(), 101u);
    }
}

TEST(GHashWithoutValues, IsASetUsableAsAGSet) {
    GHash<int> moving;
    moving.insert(3);
    moving.insert(1);
    moving.insert(3);
    const GSet<int>& asSet = moving;
    EXPECT_EQ(asSet.values(), (GList<int>{3, 1}));
    const GHash<int> fromSet = GSet<int>{5, 6};
    EXPECT_TRUE(fromSet.contains(6));
}

// Random sequences of writes behave like an insertion-ordered list of entries.
RC_GTEST_PROP(GHashModel, BehavesLikeAnOrderedListOfEntries, ()) {
    const auto ops = *rc::gen::container<std::vector<std::pair<int, int>>>(
        rc::gen::pair(rc::gen::inRange(0, 4), rc::gen::inRange(0, 12)));
    GHash<int, int> h;
    GHash<int, int> snapshot;
    std::vector<std::pair<int, int>> model;
    std::vector<std::pair<int, int>> snapshotModel;
    auto at = [&model](int key) {
        for (auto it = model.begin(); it != model.end(); ++it) {
            if (it->first == key)
                return it;
        }
        return model.end();
    };
    int serial = 0;
    for (const auto& [op, key] : ops) {
        ++serial;
        const auto found = at(key);
        switch (op) {
            case 0:
                RC_ASSERT(h.insert(key, serial) == (found == model.end()));
                if (found == model.end())
                    model.emplace_back(key, serial);
                break;
            case 1:
                RC_ASSERT(h.insertOrAssign(key, serial) == (found == model.end()));
                if (found == model.end()) {
                    model.emplace_back(key, serial);
                } else {
                    found->second = serial;
                }
                break;
            case 2:
                RC_ASSERT(h.remove(key) == (found != model.end()));
                if (found != model.end())
                    model.erase(found);
                break;
            default:
                snapshot = h;
                snapshotModel = model;
                break;
        }
        RC_ASSERT(entriesOf(h) == model);
        RC_ASSERT(h.size() == model.size());
    }
    RC_ASSERT(entriesOf(snapshot) == snapshotModel);
}

}  // namespace
}  // namespace PARR
