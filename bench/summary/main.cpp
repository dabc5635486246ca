// benchsummary: the table at the end of `./dev bench`. Reads the JSON reports the benchmark
// programs wrote (--benchmark_out), checks every goal they declared (BenchGoal.h) and prints
// one row per goal: the goal, its figure, its target and pass or fail. Exits with 1 when a
// goal failed or a report could not be read, 0 otherwise (goals whose benchmark did not run
// are listed as "not run").
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchReport.h"
#include "GoalCheck.h"

namespace {

const char* verdictText(GoalCheck::Verdict verdict) {
    switch (verdict) {
        case GoalCheck::Verdict::Pass:
            return "pass";
        case GoalCheck::Verdict::Fail:
            return "FAIL";
        case GoalCheck::Verdict::NotRun:
            break;
    }
    return "not run";
}

// One row of the table: a goal of a program.
struct Entry {
    std::string program;
    GoalCheck::Row row;
};

void printTable(const std::vector<Entry>& entries) {
    std::size_t programWidth = 7, goalWidth = 4, measuredWidth = 8, targetWidth = 6;
    for (const Entry& e : entries) {
        programWidth = std::max(programWidth, e.program.size());
        goalWidth = std::max(goalWidth, e.row.goal.size());
        measuredWidth = std::max(measuredWidth, e.row.measured.size());
        targetWidth = std::max(targetWidth, e.row.target.size());
    }
    const auto line = [&](const std::string& program, const std::string& goal,
                          const std::string& measured, const std::string& target,
                          const std::string& result) {
        std::printf("%-*s  %-*s  %*s  %-*s  %s\n", int(programWidth), program.c_str(),
                    int(goalWidth), goal.c_str(), int(measuredWidth), measured.c_str(),
                    int(targetWidth), target.c_str(), result.c_str());
    };
    line("Program", "Goal", "Measured", "Target", "Result");
    line(std::string(programWidth, '-'), std::string(goalWidth, '-'),
         std::string(measuredWidth, '-'), std::string(targetWidth, '-'), "------");
    for (const Entry& e : entries) {
        const std::string note = e.row.note.empty() ? "" : " (" + e.row.note + ")";
        line(e.program, e.row.goal, e.row.measured, e.row.target,
             verdictText(e.row.verdict) + note);
    }
}

// The program's file name, without its folder.
std::string baseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: benchsummary report.json...\n");
        return 2;
    }
    bool failed = false;
    std::vector<Entry> entries;
    for (int i = 1; i < argc; ++i) {
        std::string error;
        const auto report = BenchReport::load(argv[i], error);
        if (!report) {
            std::fprintf(stderr, "benchsummary: %s\n", error.c_str());
            failed = true;
            continue;
        }
        for (const BenchGoal& goal : report->goals()) {
            entries.push_back({baseName(report->program()), GoalCheck::check(goal, *report)});
            failed = failed || entries.back().row.verdict == GoalCheck::Verdict::Fail;
        }
    }
    std::printf("\n== Goals\n");
    printTable(entries);
    return failed ? 1 : 0;
}
