#include "PlotMapping.h"

#include <algorithm>
#include <cmath>

namespace VantorStudio {

namespace {

// NaN stays NaN (the callers break lines there); infinities and far values are clamped.
double clampNear(double pixel, double low, double high) {
    if (std::isnan(pixel))
        return pixel;
    return std::clamp(pixel, low - PlotMapping::kFarPixels, high + PlotMapping::kFarPixels);
}

}  // namespace

PlotMapping::PlotMapping(const QRect& area, PlotRange time, PlotRange value)
    : area_(area), time_(time), value_(value) {}

double PlotMapping::xOf(double time) const {
    return area_.left() + (time - time_.low) / time_.span() * area_.width();
}

double PlotMapping::yOf(double value) const {
    return area_.top() + (value_.high - value) / value_.span() * area_.height();
}

double PlotMapping::timeAt(double x) const {
    return time_.low + (x - area_.left()) / area_.width() * time_.span();
}

double PlotMapping::valueAt(double y) const {
    return value_.high - (y - area_.top()) / area_.height() * value_.span();
}

double PlotMapping::columnStart(int column) const {
    if (column >= area_.width())
        return time_.high;
    return time_.low + time_.span() * column / area_.width();
}

double PlotMapping::xOfNear(double time) const {
    return clampNear(xOf(time), area_.left(), area_.left() + area_.width());
}

double PlotMapping::yOfNear(double value) const {
    return clampNear(yOf(value), area_.top(), area_.top() + area_.height());
}

}  // namespace VantorStudio
