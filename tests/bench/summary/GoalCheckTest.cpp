#include "summary/GoalCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A report with the given goals in its context and three runs: a fast one and a slow one
// (times in microseconds, a "per glyph" counter) and one that skipped itself.
BenchReport reportWith(const std::string& goals) {
    const std::string json = R"({"context": {"executable": "bench_x")" + goals + R"(},
      "benchmarks": [
        {"run_name": "Small", "run_type": "iteration", "real_time": 120, "cpu_time": 100,
         "time_unit": "us", "per glyph": 2.0},
        {"run_name": "Large", "run_type": "iteration", "real_time": 1500, "cpu_time": 1300,
         "time_unit": "us", "per glyph": 3.0},
        {"run_name": "Broken", "run_type": "iteration", "real_time": 0, "cpu_time": 0,
         "time_unit": "us", "error_occurred": true, "error_message": "no scene"}]})";
    std::string error;
    auto report = BenchReport::parse(json, "x.json", error);
    EXPECT_TRUE(report) << error;
    return *report;
}

GoalCheck::Row checkOnly(const BenchReport& report) {
    EXPECT_EQ(report.goals().size(), 1u);
    return GoalCheck::check(report.goals().front(), report);
}

}  // namespace

TEST(GoalCheck, ATimeGoalReadsTheCpuTimeInTheGoalsUnitUnlessItAsksForTheRealTime) {
    const auto cpu = checkOnly(reportWith(R"(, "goal: small": "time|Small|||cpu|0.11|ms")"));
    EXPECT_EQ(cpu.measured, "0.1 ms");
    EXPECT_EQ(cpu.target, "< 0.11 ms");
    EXPECT_EQ(cpu.verdict, GoalCheck::Verdict::Pass);

    const auto real = checkOnly(reportWith(R"(, "goal: small": "time|Small|||real|0.11|ms")"));
    EXPECT_EQ(real.measured, "0.12 ms");
    EXPECT_EQ(real.verdict, GoalCheck::Verdict::Fail);
}

TEST(GoalCheck, ARatioGoalIsMetAtItsLimitAndReadsACounterWhenItNamesOne) {
    const auto times = checkOnly(reportWith(R"(, "goal: g": "ratio|Large|Small||cpu|13|")"));
    EXPECT_EQ(times.measured, "13");
    EXPECT_EQ(times.target, "<= 13");
    EXPECT_EQ(times.verdict, GoalCheck::Verdict::Pass);

    const auto perGlyph =
        checkOnly(reportWith(R"(, "goal: g": "ratio|Large|Small|per glyph|cpu|1.3|")"));
    EXPECT_EQ(perGlyph.measured, "1.5");
    EXPECT_EQ(perGlyph.verdict, GoalCheck::Verdict::Fail);
}

TEST(GoalCheck, AGoalOfAMissingRunIsNotRunAndOneOfASkippedRunFails) {
    const auto missing = checkOnly(reportWith(R"(, "goal: g": "time|Filtered|||cpu|1|s")"));
    EXPECT_EQ(missing.verdict, GoalCheck::Verdict::NotRun);
    EXPECT_EQ(missing.note, "Filtered did not run");

    const auto broken = checkOnly(reportWith(R"(, "goal: g": "ratio|Large|Broken||cpu|2|")"));
    EXPECT_EQ(broken.verdict, GoalCheck::Verdict::Fail);
    EXPECT_EQ(broken.note, "Broken: no scene");

    const auto noCounter =
        checkOnly(reportWith(R"(, "goal: g": "counter|Small||seconds|cpu|1|s")"));
    EXPECT_EQ(noCounter.verdict, GoalCheck::Verdict::Fail);
    EXPECT_EQ(noCounter.note, "no counter \"seconds\"");
}
