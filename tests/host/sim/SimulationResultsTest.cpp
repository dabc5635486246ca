// SimulationResults: samples as appended, reads across chunk boundaries, one flag per sample,
// memory held, refused reads, and readers running while the run appends.
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "sim/SimulationResults.h"

using VTSIM::SimulationResults;

namespace {

// The logged signals of the tests, known functions of the sample index (exact in doubles).
double timeOf(std::size_t sample) {
    return double(sample) * 0.5;
}
double valueOf(std::size_t column, std::size_t sample) {
    return double(sample) * double(column + 2) + 0.25;
}
bool requestedAt(std::size_t sample) {
    return sample % 3 == 0;
}

std::vector<std::string> names(std::size_t count) {
    std::vector<std::string> result;
    for (std::size_t c = 0; c < count; ++c)
        result.push_back("signal" + std::to_string(c));
    return result;
}

void appendKnownSamples(SimulationResults& results, std::size_t from, std::size_t to) {
    std::vector<double> values(results.columnCount());
    for (std::size_t i = from; i < to; ++i) {
        for (std::size_t c = 0; c < values.size(); ++c)
            values[c] = valueOf(c, i);
        results.append(timeOf(i), values.data(), requestedAt(i));
    }
}

// Two value columns and three full chunks and a bit, built once for the read-only cases.
const SimulationResults& threeChunksAndABit() {
    static const std::unique_ptr<SimulationResults> results = [] {
        auto r = std::make_unique<SimulationResults>(names(2));
        appendKnownSamples(*r, 0, 3 * r->samplesPerChunk() + 5);
        return r;
    }();
    return *results;
}

}  // namespace

// --- Samples as appended ----------------------------------------------------------------------

TEST(SimulationResultsTest, HoldsNamedColumnsAndNoSampleBeforeTheFirstAppend) {
    SimulationResults results({"x", "y[1]", "y[2]"});
    EXPECT_EQ(results.columnNames(), (std::vector<std::string>{"x", "y[1]", "y[2]"}));
    EXPECT_EQ(results.columnCount(), 3u);
    EXPECT_EQ(results.size(), 0u);
    EXPECT_EQ(results.memoryBytes(), 0u);
}

TEST(SimulationResultsTest, ReturnsEachSampleWithItsTimeValuesAndFlag) {
    SimulationResults results(names(3));
    appendKnownSamples(results, 0, 200);
    ASSERT_EQ(results.size(), 200u);
    for (std::size_t i = 0; i < 200; ++i) {
        EXPECT_EQ(results.time(i), timeOf(i));
        for (std::size_t c = 0; c < 3; ++c)
            EXPECT_EQ(results.value(c, i), valueOf(c, i));
        EXPECT_EQ(results.isRequested(i), requestedAt(i)) << "sample " << i;
    }
}

TEST(SimulationResultsTest, KeepsOnlyTheTimeWhenNoSignalIsLogged) {
    SimulationResults results({});
    results.append(0.25, nullptr, true);
    results.append(0.5, nullptr, false);
    EXPECT_EQ(results.size(), 2u);
    EXPECT_EQ(results.time(1), 0.5);
    EXPECT_TRUE(results.isRequested(0));
    EXPECT_FALSE(results.isRequested(1));
}

TEST(SimulationResultsTest, GivesWideModelsSmallerChunks) {
    EXPECT_EQ(SimulationResults(names(1)).samplesPerChunk(), 65536u);
    EXPECT_EQ(SimulationResults(names(7)).samplesPerChunk(), 65536u);  // 8 x 8 B x 64 Ki = 4 MiB
    EXPECT_EQ(SimulationResults(names(8)).samplesPerChunk(), 32768u);
    EXPECT_EQ(SimulationResults(names(100000)).samplesPerChunk(), 1024u);
}

// --- Chunk boundaries ---------------------------------------------------------------------------

TEST(SimulationResultsTest, CopiesRangesAcrossChunkBoundariesExactly) {
    const SimulationResults& results = threeChunksAndABit();
    const std::size_t chunk = results.samplesPerChunk();
    struct Range {
        std::size_t first, count;
    };
    const Range ranges[] = {{chunk - 3, 6},
                            {chunk - 1, chunk + 2},
                            {0, results.size()},
                            {3 * chunk, 5},
                            {2 * chunk, 0}};
    for (const Range& range : ranges) {
        for (std::size_t column :
             {SimulationResults::kTimeColumn, std::size_t{0}, std::size_t{1}}) {
            std::vector<double> out(range.count + 1, -1.0);
            results.copy(column, range.first, range.count, out.data());
            for (std::size_t k = 0; k < range.count; ++k) {
                const std::size_t i = range.first + k;
                const double expected =
                    column == SimulationResults::kTimeColumn ? timeOf(i) : valueOf(column, i);
                ASSERT_EQ(out[k], expected) << "column " << column << ", sample " << i;
            }
            EXPECT_EQ(out[range.count], -1.0) << "copy wrote past the range";
        }
    }
}

// Ranges starting near a chunk boundary (or at the very end) and reaching past the next one.
RC_GTEST_PROP(SimulationResultsTest, CopyOfAnyRangeHoldsTheLoggedSamples, ()) {
    const SimulationResults& results = threeChunksAndABit();
    const std::size_t chunk = results.samplesPerChunk();
    const std::size_t boundary = *rc::gen::inRange<std::size_t>(1, 4) * chunk;
    const std::size_t first =
        std::min(results.size(), boundary - *rc::gen::inRange<std::size_t>(0, 100));
    const std::size_t count =
        *rc::gen::inRange<std::size_t>(0, std::min(results.size() - first, chunk + 200) + 1);
    const std::size_t column = *rc::gen::inRange<std::size_t>(0, results.columnCount());
    std::vector<double> times(count), values(count);
    results.copy(SimulationResults::kTimeColumn, first, count, times.data());
    results.copy(column, first, count, values.data());
    for (std::size_t k = 0; k < count; ++k) {
        RC_ASSERT(times[k] == timeOf(first + k));
        RC_ASSERT(values[k] == valueOf(column, first + k));
    }
}

TEST(SimulationResultsTest, KeepsEachFlagAcrossWordAndChunkBoundaries) {
    const SimulationResults& results = threeChunksAndABit();
    const std::size_t chunk = results.samplesPerChunk();
    for (std::size_t i : {std::size_t{62}, std::size_t{63}, std::size_t{64}, std::size_t{65},
                          chunk - 1, chunk, chunk + 1, 3 * chunk + 4})
        EXPECT_EQ(results.isRequested(i), requestedAt(i)) << "sample " << i;
}

// --- Memory
// ---------------------------------------------------------------------------------------

// The goal: 10^7 samples of one column in less than 200 MB, time, value and flags included,
// i.e. 20 bytes a sample. What must be held: 8 bytes of time, 8 of value and a bit per sample;
// what may be unused: the rest of the last chunk and the chunk directory.
TEST(SimulationResultsTest, HoldsAMillionSamplesOfOneColumnWithinTheBound) {
    constexpr std::size_t kSamples = 1'000'000;
    SimulationResults results(names(1));
    appendKnownSamples(results, 0, kSamples);
    const std::size_t payload = kSamples * 2 * sizeof(double) + kSamples / 8;
    const std::size_t oneChunk =
        results.samplesPerChunk() * (2 * sizeof(double)) + results.samplesPerChunk() / 8;
    const std::size_t directoryAllowance = 1024;
    EXPECT_GE(results.memoryBytes(), payload);
    EXPECT_LE(results.memoryBytes(), payload + oneChunk + directoryAllowance);
    EXPECT_LT(results.memoryBytes(), kSamples * 20);
}

// --- Refused reads
// --------------------------------------------------------------------------------

TEST(SimulationResultsTest, RefusesReadsOfSamplesOrColumnsThatDoNotExist) {
    SimulationResults results(names(2));
    appendKnownSamples(results, 0, 10);
    double out[4];
    EXPECT_THROW(results.time(10), std::out_of_range);
    EXPECT_THROW(results.isRequested(10), std::out_of_range);
    EXPECT_THROW(results.value(2, 0), std::out_of_range);
    EXPECT_THROW(results.copy(0, 8, 3, out), std::out_of_range);
    EXPECT_THROW(results.copy(0, 11, 0, out), std::out_of_range);
    EXPECT_THROW(results.copy(2, 0, 1, out), std::out_of_range);
    try {
        results.value(0, 12);
        FAIL() << "no exception";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(),
                     "SimulationResults: sample 12 is not logged (10 samples so far)");
    }
}

// --- Readers while the run appends
// ----------------------------------------------------------------

// Enough samples of one column to grow the chunk directory beyond its first size while the
// readers read: every sample a reader sees must be complete and in order.
TEST(SimulationResultsTest, ReadersSeeOnlyCompleteSamplesWhileTheRunAppends) {
    constexpr std::size_t kSamples = 1'500'000;
    SimulationResults results(names(1));
    std::atomic<int> readersStarted{0};
    std::atomic<bool> writerDone{false};

    auto reader = [&](std::size_t& checked, std::size_t& wrong, std::size_t& rounds) {
        readersStarted.fetch_add(1);
        std::vector<double> copied;
        for (bool last = false; !last;) {
            last = writerDone.load();
            const std::size_t seen = results.size();
            ++rounds;
            copied.resize(seen - checked);
            results.copy(0, checked, seen - checked, copied.data());
            for (std::size_t i = checked; i < seen; ++i) {
                if (results.time(i) != timeOf(i) || results.value(0, i) != valueOf(0, i) ||
                    copied[i - checked] != valueOf(0, i) ||
                    results.isRequested(i) != requestedAt(i))
                    ++wrong;
            }
            checked = seen;
        }
    };
    std::size_t checked[2] = {0, 0}, wrong[2] = {0, 0}, rounds[2] = {0, 0};
    std::thread first(reader, std::ref(checked[0]), std::ref(wrong[0]), std::ref(rounds[0]));
    std::thread second(reader, std::ref(checked[1]), std::ref(wrong[1]), std::ref(rounds[1]));
    std::thread writer([&] {
        while (readersStarted.load() < 2)
            std::this_thread::yield();
        appendKnownSamples(results, 0, kSamples);
        writerDone.store(true);
    });
    writer.join();
    first.join();
    second.join();

    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(checked[r], kSamples) << "reader " << r;
        EXPECT_EQ(wrong[r], 0u) << "reader " << r << " saw incomplete samples";
        EXPECT_GE(rounds[r], 1u);
    }
}
