#pragma once

#include <string>

namespace VTQUILL::File {

// The canonical spelling of numbers in model files: a whole number of magnitude below 2^53
// as an integer ("15", "-3", "0" also for -0.0), any other finite number in the shortest
// form that reads back to the same double ("0.1", "1e+300"). Reading the text with full
// precision gives the value back exactly, so writing it again gives the same text.
class NumberText {
public:
    // Appends the spelling of `value` to `out`. Returns false, appending nothing, for NaN
    // and infinities, which JSON cannot hold.
    static bool append(std::string& out, double value);
    static void appendInteger(std::string& out, long long value);
};

}  // namespace VTQUILL::File
