#include "vtquill/file/CoordinateRange.h"

#include <cmath>

#include "vtquill/file/NumberText.h"

namespace VTQUILL::File {

bool CoordinateRange::contains(double value) {
    return std::fabs(value) <= kLimit;
}

std::string CoordinateRange::problem(double value) {
    std::string found;
    if (std::isnan(value))
        found = "NaN";
    else if (std::isinf(value))
        found = value > 0 ? "infinity" : "-infinity";
    else
        NumberText::append(found, value);
    return "coordinates, sizes and orientations must be finite numbers within -1e9 to 1e9; "
           "found " +
           found;
}

}  // namespace VTQUILL::File
