#pragma once

#include <QPolygonF>
#include <cstddef>
#include <optional>
#include <vector>

#include "MinMaxPyramid.h"
#include "PlotMapping.h"

namespace VantorStudio {

// Turns the samples of one column into the lines a plot draws, with no more points than a
// few per pixel column however many samples there are.
//
// Decimated drawing: a pixel column holding at least kDecimateFrom samples is drawn as one
// vertical run at its left pixel edge through its first sample's value, its minimum, its
// maximum and its last sample's value (so the run covers exactly [minimum, maximum]); its
// first and last values join it to the neighbouring columns as the samples themselves are
// joined. A column holding fewer samples is drawn through its samples as they are, so a sparse
// trace gives exactly the points of the plain drawing. Plain drawing joins every sample.
//
// Both drawings also take in the last sample before the time range and the first after it, so
// that lines leave the plot's edges towards them. A NaN sample breaks the line (so does a
// decimated column holding NaN samples only; NaN samples inside a decimated column are
// skipped). The points are in the mapping's device coordinates, within
// PlotMapping::kFarPixels of the area. Costs: decimated O(columns * (log n + block));
// plain O(samples shown); decimated from kept columns O(columns).
class TraceDecimator {
public:
    enum class Mode { Decimated, Plain };

    static constexpr std::size_t kDecimateFrom = 4;

    // The samples of one pixel column: [first, last), their extent and, when the column is
    // drawn decimated (at least kDecimateFrom samples), its first and last sample's values.
    struct Column {
        std::size_t first = 0;
        std::size_t last = 0;
        MinMaxPyramid::Extent extent;
        double firstValue = 0;
        double lastValue = 0;
    };

    // One Column per pixel column of `mapping` (PlotMapping::columnStart gives the bounds; the
    // last column also holds samples at exactly the range's end).
    static std::vector<Column> columns(const MinMaxPyramid& samples, const PlotMapping& mapping);
    // Makes `columns` one Column per pixel column, computing columns from `fromColumn` on and
    // keeping those before it (which must be what columns() gives for them).
    static void fillColumns(const MinMaxPyramid& samples, const PlotMapping& mapping,
                            std::size_t fromColumn, std::vector<Column>& columns);

    // The lines to draw, each at least one point (a single point is a lone sample).
    // `columns`: the trace's columns() for `mapping` when the caller keeps them, else none.
    static std::vector<QPolygonF> polylines(const MinMaxPyramid& samples,
                                            const PlotMapping& mapping, Mode mode,
                                            const std::vector<Column>* columns = nullptr);

    // The column's value at `time`, joining neighbouring samples by a straight line (a sample's
    // own value at its time); nothing before the first or after the last sample, or where a
    // neighbour is NaN.
    static std::optional<double> valueAt(const MinMaxPyramid& samples, double time);
};

}  // namespace VantorStudio
