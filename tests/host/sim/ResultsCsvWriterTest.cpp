// ResultsCsvWriter: whole CSV texts compared exactly: the header and its quoting, numbers in
// their shortest round-trip form, the requested samples only, long results, a failing stream.
#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>

#include "sim/ResultsCsvWriter.h"
#include "sim/SimulationResults.h"

using VTSIM::ResultsCsvWriter;
using VTSIM::SimulationResults;

namespace {

std::string csvOf(const SimulationResults& results, bool requestedOnly) {
    std::ostringstream out;
    ResultsCsvWriter::write(results, out, requestedOnly);
    return out.str();
}

void append(SimulationResults& results, double time, std::initializer_list<double> values,
            bool requested = true) {
    results.append(time, std::data(values), requested);
}

}  // namespace

// --- Numbers
// --------------------------------------------------------------------------------------

// Shortest form that reads back to the same double; fixed notation unless scientific is
// shorter (a tie goes to fixed).
TEST(ResultsCsvWriterTest, WritesEachNumberInItsShortestRoundTripForm) {
    SimulationResults results({"x", "y"});
    append(results, 0, {0.1, 1e-7});
    append(results, 1.0 / 3.0, {-0.0, 2.5});
    append(results, 100, {100000, 123456});
    append(results, 1e21, {-std::numeric_limits<double>::infinity(), 0.30000000000000004});
    EXPECT_EQ(csvOf(results, false),
              "time,x,y\n"
              "0,0.1,1e-07\n"
              "0.3333333333333333,-0,2.5\n"
              "100,1e+05,123456\n"
              "1e+21,-inf,0.30000000000000004\n");
}

// --- Header
// ---------------------------------------------------------------------------------------

TEST(ResultsCsvWriterTest, QuotesColumnNamesHoldingCommasQuotesOrLineBreaks) {
    SimulationResults results({"plain", "a,b", "say \"hi\"", "two\nlines", "cr\r", "x[1]"});
    EXPECT_EQ(csvOf(results, false),
              "time,plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\",x[1]\n");
}

TEST(ResultsCsvWriterTest, WritesOnlyTheTimeColumnWhenNoSignalIsLogged) {
    SimulationResults results({});
    results.append(0.5, nullptr, false);
    EXPECT_EQ(csvOf(results, false), "time\n0.5\n");
}

// --- Requested samples
// ----------------------------------------------------------------------------

TEST(ResultsCsvWriterTest, WritesOnlyTheRequestedSamplesWhenAsked) {
    SimulationResults results({"u"});
    append(results, 0, {1}, true);
    append(results, 0.03, {2}, false);
    append(results, 0.07, {3}, false);
    append(results, 0.1, {4}, true);
    append(results, 0.2, {5}, true);
    append(results, 0.25, {6}, false);
    EXPECT_EQ(csvOf(results, true), "time,u\n0,1\n0.1,4\n0.2,5\n");
    EXPECT_EQ(csvOf(results, false), "time,u\n0,1\n0.03,2\n0.07,3\n0.1,4\n0.2,5\n0.25,6\n");
}

// --- Long results
// ---------------------------------------------------------------------------------

// More rows than a chunk and than the writer's buffers: every row once, in order. The
// expected text is spelled digit by digit: times i/2 and values i + 0.25 in fixed notation.
TEST(ResultsCsvWriterTest, WritesEveryRowOfResultsLongerThanAChunk) {
    constexpr std::size_t kSamples = 150'000;  // times below 10^5, all in fixed notation
    SimulationResults results({"v"});
    std::string expected = "time,v\n";
    std::string expectedRequested = "time,v\n";
    for (std::size_t i = 0; i < kSamples; ++i) {
        const double value = double(i) + 0.25;
        results.append(double(i) * 0.5, &value, i % 1000 == 0);
        const std::string row =
            std::to_string(i / 2) + (i % 2 ? ".5" : "") + "," + std::to_string(i) + ".25\n";
        expected += row;
        if (i % 1000 == 0)
            expectedRequested += row;
    }
    ASSERT_GT(kSamples, results.samplesPerChunk());
    EXPECT_EQ(csvOf(results, false), expected);
    EXPECT_EQ(csvOf(results, true), expectedRequested);
}

// --- Failures
// -------------------------------------------------------------------------------------

TEST(ResultsCsvWriterTest, ReportsAnOutputStreamThatFails) {
    SimulationResults results({"v"});
    append(results, 0, {1});
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    try {
        ResultsCsvWriter::write(results, out, false);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(),
                     "ResultsCsvWriter: the output stream failed after 0 rows of CSV text");
    }
}
