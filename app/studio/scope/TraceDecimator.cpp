#include "TraceDecimator.h"

#include <cmath>

namespace VantorStudio {

namespace {

// Collects points into lines, starting a new line at each break.
class LineCollector {
public:
    explicit LineCollector(const PlotMapping& mapping) : mapping_(mapping) {}

    void sample(const MinMaxPyramid& samples, std::size_t i) {
        const double value = samples.value(i);
        if (std::isnan(value))
            lineBreak();
        else
            point(mapping_.xOfNear(samples.time(i)), value);
    }
    void point(double x, double value) { current_.append(QPointF(x, mapping_.yOfNear(value))); }
    void lineBreak() {
        if (!current_.isEmpty())
            lines_.push_back(std::move(current_));
        current_ = QPolygonF();
    }
    std::vector<QPolygonF> take() {
        lineBreak();
        return std::move(lines_);
    }

private:
    const PlotMapping& mapping_;
    QPolygonF current_;
    std::vector<QPolygonF> lines_;
};

// Sample bounds of the pixel columns: column c holds [bounds[c], bounds[c + 1]).
std::vector<std::size_t> columnBounds(const MinMaxPyramid& samples, const PlotMapping& mapping) {
    const int width = std::max(0, mapping.columns());
    std::vector<std::size_t> bounds(width + 1);
    for (int c = 0; c < width; ++c)
        bounds[c] = samples.firstAtOrAfter(mapping.columnStart(c));
    bounds[width] = samples.firstAfter(mapping.time().high);
    return bounds;
}

void addColumn(const MinMaxPyramid& samples, const TraceDecimator::Column& column, double x,
               LineCollector& lines) {
    if (column.last - column.first < TraceDecimator::kDecimateFrom) {
        for (std::size_t i = column.first; i < column.last; ++i)
            lines.sample(samples, i);
        return;
    }
    if (column.extent.empty()) {
        lines.lineBreak();
        return;
    }
    const double first = samples.value(column.first);
    const double last = samples.value(column.last - 1);
    if (!std::isnan(first))
        lines.point(x, first);
    lines.point(x, column.extent.min);
    lines.point(x, column.extent.max);
    if (!std::isnan(last))
        lines.point(x, last);
}

}  // namespace

std::vector<TraceDecimator::Column> TraceDecimator::columns(const MinMaxPyramid& samples,
                                                            const PlotMapping& mapping) {
    const std::vector<std::size_t> bounds = columnBounds(samples, mapping);
    std::vector<Column> result(bounds.size() - 1);
    for (std::size_t c = 0; c < result.size(); ++c) {
        result[c].first = bounds[c];
        result[c].last = bounds[c + 1];
        if (bounds[c + 1] - bounds[c] >= kDecimateFrom)
            result[c].extent = samples.extent(bounds[c], bounds[c + 1]);
        else
            for (std::size_t i = bounds[c]; i < bounds[c + 1]; ++i)
                result[c].extent.include(samples.value(i));
    }
    return result;
}

std::vector<QPolygonF> TraceDecimator::polylines(const MinMaxPyramid& samples,
                                                 const PlotMapping& mapping, Mode mode) {
    LineCollector lines(mapping);
    if (samples.size() == 0 || mapping.columns() <= 0)
        return lines.take();
    const std::size_t shownFirst = samples.firstAtOrAfter(mapping.time().low);
    const std::size_t shownEnd = samples.firstAfter(mapping.time().high);
    if (shownFirst > 0)
        lines.sample(samples, shownFirst - 1);
    if (mode == Mode::Plain) {
        for (std::size_t i = shownFirst; i < shownEnd; ++i)
            lines.sample(samples, i);
    } else {
        const std::vector<Column> pixelColumns = columns(samples, mapping);
        for (std::size_t c = 0; c < pixelColumns.size(); ++c)
            addColumn(samples, pixelColumns[c], mapping.area().left() + double(c), lines);
    }
    if (shownEnd < samples.size())
        lines.sample(samples, shownEnd);
    return lines.take();
}

std::optional<double> TraceDecimator::valueAt(const MinMaxPyramid& samples, double time) {
    const std::size_t next = samples.firstAtOrAfter(time);
    if (next == samples.size())
        return std::nullopt;
    const double nextTime = samples.time(next);
    const double nextValue = samples.value(next);
    std::optional<double> result;
    if (nextTime == time) {
        result = nextValue;
    } else if (next > 0) {
        const double previousTime = samples.time(next - 1);
        const double previousValue = samples.value(next - 1);
        result = previousValue +
                 (nextValue - previousValue) * (time - previousTime) / (nextTime - previousTime);
    }
    if (result && std::isnan(*result))
        return std::nullopt;
    return result;
}

}  // namespace VantorStudio
