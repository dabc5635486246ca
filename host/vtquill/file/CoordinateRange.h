#pragma once

#include <string>

namespace VTQUILL::File {

// The numbers a model file may hold for coordinates, sizes and orientations: finite and
// within -1e9 to 1e9 (diagram units, or degrees). Far beyond any diagram a person draws, and
// small enough that positions, their sums and routes keep a precision far below one unit.
// The reader refuses a file with any other value; the writer refuses to save one, so that
// every file it writes loads again.
class CoordinateRange {
public:
    static constexpr double kLimit = 1e9;

    // False for NaN, infinities and finite values beyond the limit.
    static bool contains(double value);
    // Why `value` is refused, for error messages ("... within -1e9 to 1e9; found 1e+300").
    static std::string problem(double value);
};

}  // namespace VTQUILL::File
