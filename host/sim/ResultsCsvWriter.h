#pragma once

#include <ostream>

#include "sim/SimulationResults.h"

namespace VTSIM {

// Writes simulation results as CSV text: a header line `time,<name>,<name>...` and one row per
// sample, numbers in their shortest form that reads back to the same double (std::to_chars
// without precision: 0.1 as `0.1`, 1e-7 as `1e-07`, -0 as `-0`, infinities as `inf`/`-inf`),
// `\n` line ends, no spaces. A column name is written as it is unless it holds a comma, a
// double quote or a line break; it is then quoted, its quotes doubled.
class ResultsCsvWriter {
public:
    // Writes the samples complete when the call starts (a run may go on appending meanwhile);
    // with `requestedOnly`, only those flagged requested (the output times the user asked for).
    // The text is formatted into a buffer and handed to `out` in large blocks. Throws
    // std::runtime_error naming the rows written so far when `out` fails.
    static void write(const SimulationResults& results, std::ostream& out, bool requestedOnly);
};

}  // namespace VTSIM
