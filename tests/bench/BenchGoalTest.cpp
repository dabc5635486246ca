#include "BenchGoal.h"

#include <gtest/gtest.h>

TEST(BenchGoal, AGoalReadsBackFromItsContextEntryAsItWasDeclared) {
    const BenchGoal declared{.kind = BenchGoal::Kind::Ratio,
                             .title = "open, per glyph",
                             .benchmark = "BM_Open/10000",
                             .denominator = "BM_Open/1000",
                             .counter = "per glyph",
                             .clock = BenchGoal::Clock::Real,
                             .limit = 1.3,
                             .unit = ""};
    const auto read = BenchGoal::decode(BenchGoal::kKeyPrefix + declared.title, declared.encode());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->kind, declared.kind);
    EXPECT_EQ(read->title, declared.title);
    EXPECT_EQ(read->benchmark, declared.benchmark);
    EXPECT_EQ(read->denominator, declared.denominator);
    EXPECT_EQ(read->counter, declared.counter);
    EXPECT_EQ(read->clock, declared.clock);
    EXPECT_EQ(read->limit, declared.limit);
    EXPECT_EQ(read->unit, declared.unit);

    EXPECT_FALSE(BenchGoal::decode("num_cpus", "2")) << "other context entries are no goals";
    EXPECT_FALSE(BenchGoal::decode("goal: x", "time|BM_X|cpu|1|s")) << "fields missing";
}
