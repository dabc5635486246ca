#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "parr/Color.h"
#include "parr/GLPoint.h"

namespace PARR {

// A colour gradient for filling scene nodes. It holds:
//  - a type (0 = linear, the only kind painted so far);
//  - a flag, passed through to the painter unchanged (false by default);
//  - colour stops: (position in 0..1 along the gradient, colour), kept ordered by position;
//  - a start and an end point, in the frame the coordinate mode names;
//  - a coordinate mode: 0 = the points are in the filled node's own coordinates;
//    2 = they are relative to the filled node's bounding box, (0, 0) its top-left corner and
//    (1, 1) its bottom-right corner, so (0, 0) -> (0, 1) runs from the top to the bottom edge
//    whatever the node's size.
// A plain value.
class Gradient {
public:
    enum Type { Linear = 0 };
    enum CoordinateMode { LogicalMode = 0, ObjectBoundingMode = 2 };

    struct Stop {
        double position = 0.0;
        Color color;
        bool operator==(const Stop&) const = default;
    };

    Gradient() = default;

    void setType(int type) { type_ = type; }
    int type() const { return type_; }

    void setFlag(bool flag) { flag_ = flag; }
    bool flag() const { return flag_; }

    // Adds a stop; the position is clamped into 0..1 (NaN counts as 0). The stops stay ordered by
    // position; a stop at a position already used goes after the ones already there.
    void addStop(double position, const Color& color) {
        position = std::isnan(position) ? 0.0 : std::clamp(position, 0.0, 1.0);
        auto at = std::upper_bound(stops_.begin(), stops_.end(), position,
                                   [](double p, const Stop& s) { return p < s.position; });
        stops_.insert(at, Stop{position, color});
    }
    void clearStops() { stops_.clear(); }
    const std::vector<Stop>& stops() const { return stops_; }

    void setStart(const GLPoint<double>& p) { start_ = p; }
    const GLPoint<double>& start() const { return start_; }
    void setEnd(const GLPoint<double>& p) { end_ = p; }
    const GLPoint<double>& end() const { return end_; }

    void setCoordinateMode(int mode) { coordinateMode_ = mode; }
    int coordinateMode() const { return coordinateMode_; }

    bool operator==(const Gradient&) const = default;

private:
    int type_ = Linear;
    bool flag_ = false;
    std::vector<Stop> stops_;
    GLPoint<double> start_;
    GLPoint<double> end_;
    int coordinateMode_ = LogicalMode;
};

}  // namespace PARR
