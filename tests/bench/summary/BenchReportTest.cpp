#include "summary/BenchReport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A report as --benchmark_out writes it: one goal in the context, one run with two
// repetitions and their aggregates (the spread of a counter that is always zero is NaN), one
// run that skipped itself.
const std::string kReport = R"({
  "context": {
    "executable": "build/bench/bench_example",
    "num_cpus": 2,
    "goal: route": "time|BM_Route|||cpu|300|ns",
    "note": "not a goal"
  },
  "benchmarks": [
    {"name": "BM_Route", "run_name": "BM_Route", "run_type": "iteration", "repetitions": 2,
     "repetition_index": 0, "iterations": 10, "real_time": 250, "cpu_time": 200,
     "time_unit": "ns", "steps": 4},
    {"name": "BM_Route", "run_name": "BM_Route", "run_type": "iteration", "repetitions": 2,
     "repetition_index": 1, "iterations": 10, "real_time": 450, "cpu_time": 400,
     "time_unit": "ns", "steps": 4},
    {"name": "BM_Route_mean", "run_name": "BM_Route", "run_type": "aggregate",
     "aggregate_name": "mean", "iterations": 2, "real_time": 350, "cpu_time": 300,
     "time_unit": "ns", "steps": 4},
    {"name": "BM_Route_median", "run_name": "BM_Route", "run_type": "aggregate",
     "aggregate_name": "median", "iterations": 2, "real_time": 330, "cpu_time": 290,
     "time_unit": "ns", "steps": 4},
    {"name": "BM_Route_cv", "run_name": "BM_Route", "run_type": "aggregate",
     "aggregate_name": "cv", "iterations": 2, "real_time": 0.4, "cpu_time": 0.5,
     "time_unit": "ns", "steps": NaN},
    {"name": "BM_Open/10000", "run_name": "BM_Open/10000", "run_type": "iteration",
     "iterations": 0, "real_time": 0, "cpu_time": 0, "time_unit": "ms",
     "error_occurred": true, "error_message": "no editor"}
  ]
})";

}  // namespace

TEST(BenchReport, ReadsTheGoalsOfTheContextAndTheMedianOfEachRun) {
    std::string error;
    const auto report = BenchReport::parse(kReport, "example.json", error);
    ASSERT_TRUE(report) << error;

    EXPECT_EQ(report->program(), "build/bench/bench_example");
    ASSERT_EQ(report->goals().size(), 1u);
    EXPECT_EQ(report->goals()[0].title, "route");
    EXPECT_EQ(report->goals()[0].limit, 300);

    const BenchReport::Run* route = report->find("BM_Route");
    ASSERT_NE(route, nullptr);
    EXPECT_DOUBLE_EQ(route->cpuSeconds, 290e-9);
    EXPECT_DOUBLE_EQ(route->realSeconds, 330e-9);
    EXPECT_EQ(route->counters.at("steps"), 4);
    EXPECT_EQ(route->counters.count("iterations"), 0u)
        << "the library's own figures are not counters";
    EXPECT_EQ(report->find("BM_Open/10000")->error, "no editor");
    EXPECT_EQ(report->find("BM_Missing"), nullptr);
}

TEST(BenchReport, TextThatIsNoReportIsRefusedNamingItsSource) {
    std::string error;
    EXPECT_FALSE(BenchReport::parse(R"({"benchmarks": []})", "results/x.json", error));
    EXPECT_EQ(error, "results/x.json: not a benchmark report");
    EXPECT_FALSE(BenchReport::parse("{", "results/y.json", error));
    EXPECT_EQ(error.rfind("results/y.json: not a benchmark report (", 0), 0u) << error;
}
