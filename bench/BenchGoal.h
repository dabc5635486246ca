#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// A goal of a benchmark program, checked by the summary at the end of `./dev bench`
// (bench/summary). A program declares its goals next to its benchmarks; each goal goes into
// the context of the program's report (Google Benchmark's custom context, which the JSON
// file written with --benchmark_out carries) under the key "goal: " + title, so the figures
// and the goals they are judged by travel together.
//
// Three kinds:
//  - Time: the benchmark's time per iteration stays below the limit, in "ns", "us", "ms" or
//    "s";
//  - Counter: one of the benchmark's counters stays below the limit (the unit is only shown);
//  - Ratio: the numerator benchmark's time (or counter) over the denominator's stays at or
//    below the limit.
// Times are the CPU time of the benchmark's thread unless the goal asks for the real time:
// on a shared machine the real time adds whatever else runs, and the reports show both.
//
// Benchmark names are the names the report gives ("BM_DeleteOneBlock/1000").
struct BenchGoal {
    enum class Kind { Time, Counter, Ratio };
    enum class Clock { Cpu, Real };

    static constexpr const char* kKeyPrefix = "goal: ";

    Kind kind = Kind::Time;
    std::string title;
    std::string benchmark;
    // The denominator of a ratio; empty otherwise.
    std::string denominator;
    // The counter read (Counter, and a Ratio of counters); empty for times.
    std::string counter;
    Clock clock = Clock::Cpu;
    double limit = 0;
    // "ns", "us", "ms" or "s" for a time; shown as is for a counter; empty for a ratio.
    std::string unit;

    // --- Declaring (in a benchmark program, at namespace scope) --------------------------
    // Each returns true, so that a program can declare its goals in the initializer of a
    // constant.
    static bool timeBelow(const std::string& title, const std::string& benchmark, double limit,
                          const std::string& unit, Clock clock = Clock::Cpu) {
        return declare({Kind::Time, title, benchmark, "", "", clock, limit, unit});
    }
    static bool counterBelow(const std::string& title, const std::string& benchmark,
                             const std::string& counter, double limit, const std::string& unit) {
        return declare({Kind::Counter, title, benchmark, "", counter, Clock::Cpu, limit, unit});
    }
    // `counter` empty: the ratio of the times on `clock`.
    static bool ratioAtMost(const std::string& title, const std::string& numerator,
                            const std::string& denominator, double limit,
                            const std::string& counter = "", Clock clock = Clock::Cpu) {
        return declare({Kind::Ratio, title, numerator, denominator, counter, clock, limit, ""});
    }

    // Seconds in one `unit` of a time ("ns", "us", "ms"; anything else counts as seconds).
    static double secondsPer(const std::string& unit) {
        if (unit == "ns")
            return 1e-9;
        if (unit == "us")
            return 1e-6;
        if (unit == "ms")
            return 1e-3;
        return 1;
    }

    // --- Encoding (the context value) ----------------------------------------------------
    // "kind|benchmark|denominator|counter|clock|limit|unit"; the title is the key.
    std::string encode() const {
        std::ostringstream limitText;
        limitText.precision(17);
        limitText << limit;
        const char* kinds[] = {"time", "counter", "ratio"};
        return std::string(kinds[static_cast<int>(kind)]) + "|" + benchmark + "|" + denominator +
               "|" + counter + "|" + (clock == Clock::Cpu ? "cpu" : "real") + "|" +
               limitText.str() + "|" + unit;
    }

    // The goal of a context entry; nothing when the key is not a goal's or the value is not
    // one encode() writes.
    static std::optional<BenchGoal> decode(const std::string& key, const std::string& value) {
        const std::string prefix = kKeyPrefix;
        if (key.compare(0, prefix.size(), prefix) != 0)
            return std::nullopt;
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t bar = value.find('|'); bar != std::string::npos;
             start = bar + 1, bar = value.find('|', start))
            fields.push_back(value.substr(start, bar - start));
        fields.push_back(value.substr(start));
        if (fields.size() != 7)
            return std::nullopt;
        BenchGoal goal;
        if (fields[0] == "time")
            goal.kind = Kind::Time;
        else if (fields[0] == "counter")
            goal.kind = Kind::Counter;
        else if (fields[0] == "ratio")
            goal.kind = Kind::Ratio;
        else
            return std::nullopt;
        goal.title = key.substr(prefix.size());
        goal.benchmark = fields[1];
        goal.denominator = fields[2];
        goal.counter = fields[3];
        goal.clock = fields[4] == "real" ? Clock::Real : Clock::Cpu;
        std::istringstream limitText(fields[5]);
        if (!(limitText >> goal.limit))
            return std::nullopt;
        goal.unit = fields[6];
        return goal;
    }

private:
    static bool declare(const BenchGoal& goal) {
        benchmark::AddCustomContext(kKeyPrefix + goal.title, goal.encode());
        return true;
    }
};
