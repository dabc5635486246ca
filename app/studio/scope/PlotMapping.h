#pragma once

#include <QRect>

namespace VantorStudio {

// A closed interval of times (seconds) or values shown along a plot's axis.
struct PlotRange {
    double low = 0;
    double high = 1;

    double span() const { return high - low; }
    bool contains(double x) const { return low <= x && x <= high; }
    bool operator==(const PlotRange&) const = default;
};

// Maps times and values to the pixels of a plot's area and back, in the coordinates of the
// device the plot is drawn on (widget or image pixels). The time range spans the area's width
// from its left edge (area().left(), time.low) to its right edge (area().left() + width(),
// time.high); the value range its height, value.low at the bottom edge (area().top() +
// height()) and value.high at the top.
//
// Pixel column c (0 <= c < width()) is [area().left() + c, area().left() + c + 1); its samples
// are those whose time t satisfies columnStart(c) <= t < columnStart(c + 1), the last column
// also holding those at exactly time.high. A value type.
class PlotMapping {
public:
    PlotMapping() = default;
    PlotMapping(const QRect& area, PlotRange time, PlotRange value);

    const QRect& area() const { return area_; }
    PlotRange time() const { return time_; }
    PlotRange value() const { return value_; }
    int columns() const { return area_.width(); }

    double xOf(double time) const;
    double yOf(double value) const;
    double timeAt(double x) const;
    double valueAt(double y) const;
    // The first time of pixel column `column` (see above); columnStart(columns()) is time.high.
    double columnStart(int column) const;

    // xOf and yOf kept within kFarPixels of the area (infinite values too), so that the
    // rasteriser never sees coordinates beyond what it handles; at that distance the visible
    // stretch of a line moves by far less than a pixel.
    static constexpr double kFarPixels = 1e6;
    double xOfNear(double time) const;
    double yOfNear(double value) const;

private:
    QRect area_;
    PlotRange time_;
    PlotRange value_;
};

}  // namespace VantorStudio
