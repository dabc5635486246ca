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

TraceDecimator::Column columnOf(const MinMaxPyramid& samples, std::size_t first, std::size_t last) {
    TraceDecimator::Column column;
    column.first = first;
    column.last = last;
    if (last - first < TraceDecimator::kDecimateFrom) {
        for (std::size_t i = first; i < last; ++i)
            column.extent.include(samples.value(i));
        return column;
    }
    column.extent = samples.extent(first, last);
    column.firstValue = samples.value(first);
    column.lastValue = samples.value(last - 1);
    return column;
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
    if (!std::isnan(column.firstValue))
        lines.point(x, column.firstValue);
    lines.point(x, column.extent.min);
    lines.point(x, column.extent.max);
    if (!std::isnan(column.lastValue))
        lines.point(x, column.lastValue);
}

}  // namespace

std::vector<TraceDecimator::Column> TraceDecimator::columns(const MinMaxPyramid& samples,
                                                            const PlotMapping& mapping) {
    std::vector<Column> result;
    fillColumns(samples, mapping, 0, result);
    return result;
}

// Column starts grow from left to right: each search starts at the bound before it.
void TraceDecimator::fillColumns(const MinMaxPyramid& samples, const PlotMapping& mapping,
                                 std::size_t fromColumn, std::vector<Column>& columns) {
    const int width = std::max(0, mapping.columns());
    columns.resize(width);
    if (fromColumn >= columns.size())
        return;
    const int from = static_cast<int>(fromColumn);
    std::size_t first =
        samples.firstAtOrAfter(mapping.columnStart(from), from > 0 ? columns[from - 1].first : 0);
    for (int c = from; c < width; ++c) {
        const std::size_t last = c + 1 < width
                                     ? samples.firstAtOrAfter(mapping.columnStart(c + 1), first)
                                     : samples.firstAfter(mapping.time().high, first);
        columns[c] = columnOf(samples, first, last);
        first = last;
    }
}

std::vector<QPolygonF> TraceDecimator::polylines(const MinMaxPyramid& samples,
                                                 const PlotMapping& mapping, Mode mode,
                                                 const std::vector<Column>* columns) {
    LineCollector lines(mapping);
    if (samples.size() == 0 || mapping.columns() <= 0)
        return lines.take();
    std::vector<Column> computed;
    if (mode == Mode::Decimated && !columns) {
        computed = TraceDecimator::columns(samples, mapping);
        columns = &computed;
    }
    const bool decimated = mode == Mode::Decimated;
    const std::size_t shownFirst =
        decimated ? columns->front().first : samples.firstAtOrAfter(mapping.time().low);
    const std::size_t shownEnd =
        decimated ? columns->back().last : samples.firstAfter(mapping.time().high, shownFirst);
    if (shownFirst > 0)
        lines.sample(samples, shownFirst - 1);
    if (decimated) {
        for (std::size_t c = 0; c < columns->size(); ++c)
            addColumn(samples, (*columns)[c], mapping.area().left() + double(c), lines);
    } else {
        for (std::size_t i = shownFirst; i < shownEnd; ++i)
            lines.sample(samples, i);
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
