#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "BenchGoal.h"

// The JSON report one benchmark program wrote with --benchmark_out: the goals it declared
// (BenchGoal, from the report's context) and the figures of each benchmark run.
class BenchReport {
public:
    // One benchmark run, by its run name ("BM_DeleteOneBlock/1000").
    struct Run {
        // Per iteration, in seconds; with repetitions, the median of the repetitions.
        double cpuSeconds = 0;
        double realSeconds = 0;
        // The counters as reported (with repetitions, those of the median).
        std::map<std::string, double> counters;
        // Set when the benchmark skipped itself with an error.
        std::string error;
    };

    // Reads the report at `path`; nothing, with `error` set to a message naming the file,
    // when it cannot be read or is not a benchmark report.
    static std::optional<BenchReport> load(const std::string& path, std::string& error);
    // The report in `json`; `source` names it in `error` when it is not a benchmark report.
    static std::optional<BenchReport> parse(const std::string& json, const std::string& source,
                                            std::string& error);

    const std::string& program() const { return program_; }
    const std::vector<BenchGoal>& goals() const { return goals_; }
    // The run of that name; null when the report has none (filtered out, or misnamed).
    const Run* find(const std::string& runName) const;

private:
    std::string program_;
    std::vector<BenchGoal> goals_;
    std::map<std::string, Run> runs_;
};
