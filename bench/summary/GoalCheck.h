#pragma once

#include <string>

#include "BenchGoal.h"
#include "BenchReport.h"

// Judges one goal by the figures of the report that declared it.
class GoalCheck {
public:
    enum class Verdict { Pass, Fail, NotRun };

    struct Row {
        std::string goal;      // the goal's title
        std::string measured;  // the figure, in the goal's unit ("14.2 us", "1.07")
        std::string target;    // "< 20 us", "<= 1.5"
        Verdict verdict = Verdict::NotRun;
        // Why there is no figure: a run that was not in the report or skipped with an error.
        std::string note;
    };

    // A run missing from the report (filtered out) gives NotRun; a run that reported an error
    // fails with the error as its note.
    static Row check(const BenchGoal& goal, const BenchReport& report);

    // The figure printed with three significant digits.
    static std::string format(double value);
};
