#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "DecimatedColumns.h"
#include "MinMaxPyramid.h"
#include "PlotMapping.h"
#include "TraceDecimator.h"

class QPainter;

namespace VantorStudio {

// One curve of a drawing: the samples of a column (not owned; they outlive the paint() call),
// its colour and its legend entry (none when the name is empty).
struct PlotCurve {
    const MinMaxPyramid* samples = nullptr;
    QColor colour;
    QString name;
    // Where the curve's pixel columns are kept between frames, if anywhere.
    DecimatedColumns* columns = nullptr;
};

// Draws a plot with a painter on any device (a widget, an image, an SVG generator): the axes
// with their ticks and numbers, a grid, the curves in the order given (later ones on top), a
// legend of the named curves and, if asked, a cursor: a vertical line at a time with the named
// curves' values there in a small box. Everything is drawn inside the bounds given, in the
// device's coordinates. Curves are drawn one pixel wide without antialiasing, which keeps
// drawing a decimated curve at a few milliseconds and makes it cover exactly the pixels of its
// points. User-interface thread only, with a running QGuiApplication (fonts).
class PlotPainter {
public:
    struct Frame {
        PlotRange time;
        PlotRange value;
        std::optional<double> cursorTime;
        TraceDecimator::Mode mode = TraceDecimator::Mode::Decimated;
        bool legend = true;
    };

    // The mapping of a plot drawn into `bounds`: its area is what the tick labels leave. The
    // area may be empty when the bounds are too small; paint() then draws the background only.
    static PlotMapping layout(const QRect& bounds, PlotRange time, PlotRange value);

    static void paint(QPainter& painter, const QRect& bounds, const std::vector<PlotCurve>& curves,
                      const Frame& frame);

    // The font of the numbers, legend and cursor box: a pixel size, so that pictures look the
    // same at any resolution.
    static QFont font();

    static const QColor kBackground;

private:
    static void paintGrid(QPainter& painter, const PlotMapping& mapping);
    static void paintCurves(QPainter& painter, const PlotMapping& mapping,
                            const std::vector<PlotCurve>& curves, TraceDecimator::Mode mode);
    static void paintAxes(QPainter& painter, const PlotMapping& mapping);
    static void paintLegend(QPainter& painter, const PlotMapping& mapping,
                            const std::vector<PlotCurve>& curves);
    static void paintCursor(QPainter& painter, const PlotMapping& mapping,
                            const std::vector<PlotCurve>& curves, double time);
};

}  // namespace VantorStudio
