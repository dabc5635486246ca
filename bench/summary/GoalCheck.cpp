#include "GoalCheck.h"

#include <cstdio>

namespace {

// The figure a goal reads from one run: its counter when it names one, else its time in
// seconds on the goal's clock. Null when the counter is missing.
const double* figureOf(const BenchGoal& goal, const BenchReport::Run& run) {
    if (!goal.counter.empty()) {
        const auto it = run.counters.find(goal.counter);
        return it == run.counters.end() ? nullptr : &it->second;
    }
    return goal.clock == BenchGoal::Clock::Cpu ? &run.cpuSeconds : &run.realSeconds;
}

// The run of that name when it reported a figure; otherwise null, with the row's verdict
// and note saying why.
const BenchReport::Run* usableRun(const BenchReport& report, const std::string& name,
                                  GoalCheck::Row& row) {
    const BenchReport::Run* run = report.find(name);
    if (!run) {
        row.verdict = GoalCheck::Verdict::NotRun;
        row.note = name + " did not run";
        return nullptr;
    }
    if (!run->error.empty()) {
        row.verdict = GoalCheck::Verdict::Fail;
        row.note = name + ": " + run->error;
        return nullptr;
    }
    return run;
}

}  // namespace

std::string GoalCheck::format(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", value);
    return text;
}

GoalCheck::Row GoalCheck::check(const BenchGoal& goal, const BenchReport& report) {
    Row row;
    row.goal = goal.title;
    const bool ratio = goal.kind == BenchGoal::Kind::Ratio;
    const std::string unit = goal.unit.empty() ? "" : " " + goal.unit;
    row.target = (ratio ? "<= " : "< ") + format(goal.limit) + unit;

    const BenchReport::Run* run = usableRun(report, goal.benchmark, row);
    const BenchReport::Run* denominatorRun =
        ratio && run ? usableRun(report, goal.denominator, row) : nullptr;
    if (!run || (ratio && !denominatorRun))
        return row;
    const double* value = figureOf(goal, *run);
    const double* denominator = ratio ? figureOf(goal, *denominatorRun) : nullptr;
    if (!value || (ratio && !denominator)) {
        row.verdict = Verdict::Fail;
        row.note = "no counter \"" + goal.counter + "\"";
        return row;
    }
    if (ratio && *denominator == 0) {
        row.verdict = Verdict::Fail;
        row.note = goal.denominator + " measured 0";
        return row;
    }

    double measured = *value;
    if (ratio)
        measured /= *denominator;
    else if (goal.kind == BenchGoal::Kind::Time)
        measured /= BenchGoal::secondsPer(goal.unit);
    row.measured = format(measured) + unit;
    const bool met = ratio ? measured <= goal.limit : measured < goal.limit;
    row.verdict = met ? Verdict::Pass : Verdict::Fail;
    return row;
}
