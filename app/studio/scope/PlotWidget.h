#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>
#include <vector>

#include "MinMaxPyramid.h"
#include "PlotMapping.h"
#include "PlotPainter.h"
#include "PlotTrace.h"
#include "TraceDecimator.h"

namespace VantorStudio {

// A plot of signals over time: the traces of the current run and, faded and under them, the
// same signals of the previous run, drawn by PlotPainter with each trace decimated to a few
// points per pixel column.
//
// View: each axis either follows the data (autoscaled) or shows a range the user chose. The
// time axis, when it follows, shows [0, max(stop time, last logged time)] (the run's current end
// when no stop time is set), starting earlier if the run does; the value axis, when it
// follows, shows the extent of the shown traces over the shown time range with a margin of
// kValueMargin on each side ([-1, 1] when there is nothing to show).
//
// Gestures: the mouse wheel zooms the time axis about the pointer (with Shift, the value axis);
// dragging with the left button draws a rectangle and zooms to it on release; dragging with the
// middle button, or the left with Ctrl, pans; a double-click autoscales both axes. While the
// pointer is over the plot a cursor shows every trace's value at its time. Gestures that move
// the time range emit timeRangeChanged, so that plots sharing a time axis can follow; setters
// called by code emit nothing.
//
// The plot keeps the traces' results alive. refresh() reads what the runs logged since (the
// owner calls it from a timer while a run goes) and repaints. User-interface thread only.
class PlotWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr double kValueMargin = 0.05;
    // Zoom factor of one wheel notch (120 eighths of a degree).
    static constexpr double kWheelZoom = 0.8;
    // A rubber band narrower than this (pixels) leaves that axis as it is.
    static constexpr int kSmallestBand = 4;

    explicit PlotWidget(QWidget* parent = nullptr);
    ~PlotWidget() override;

    // Replaces every trace; `previousRun` holds the earlier run's traces, drawn faded, in a
    // lighter tint of their colour and without legend entries. Reads the samples logged so far.
    void setTraces(std::vector<PlotTrace> traces, std::vector<PlotTrace> previousRun = {});
    std::vector<PlotTrace> traces() const;
    std::vector<PlotTrace> previousRunTraces() const;
    void setPreviousRunShown(bool shown);
    bool previousRunShown() const { return previousRunShown_; }
    // Seconds; NaN (the default), zero or less: the time axis follows the run's end only.
    void setStopTime(double seconds);
    void refresh();

    // The ranges shown now (autoscaled ones computed from the samples read so far).
    PlotRange timeRange() const;
    PlotRange valueRange() const;
    bool timeAutoscaled() const { return !manualTime_; }
    bool valueAutoscaled() const { return !manualValue_; }
    // Fix an axis to a range (a range that is not finite and increasing is ignored).
    void setTimeRange(PlotRange range);
    void setValueRange(PlotRange range);
    // Both axes follow the data again.
    void autoscale();

    // Where the cursor is; nothing when the pointer is not over the plot's area.
    std::optional<double> cursorTime() const { return cursorTime_; }
    // The mapping of the plot as drawn in this widget at its current size.
    PlotMapping mapping() const;

    // Draws the plot as it is now, without cursor or rubber band, into `bounds` of any device.
    void render(QPainter& painter, const QRect& bounds,
                TraceDecimator::Mode mode = TraceDecimator::Mode::Decimated) const;

    // The lighter tint a previous run's trace of `colour` is drawn in.
    static QColor previousRunColour(const QColor& colour);

Q_SIGNALS:
    // The user moved or zoomed the time axis to [low, high].
    void timeRangeChanged(double low, double high);
    // The user asked for both axes to follow the data again.
    void autoscaleRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Curve {
        PlotTrace trace;
        MinMaxPyramid samples;
        // Kept by painting, which is const.
        mutable DecimatedColumns columns;
    };
    enum class Drag { None, RubberBand, Pan };

    static std::vector<Curve> curvesOf(std::vector<PlotTrace> traces);
    std::vector<PlotCurve> shownCurves() const;
    PlotRange autoTimeRange() const;
    PlotRange autoValueRange(PlotRange time) const;
    void zoomTime(double factor, double aboutX);
    void zoomValue(double factor, double aboutY);
    void panBy(QPoint pixels);
    void zoomToBand();
    void changeTimeByGesture(PlotRange range);
    void followPointer(QPoint position);

    std::vector<Curve> current_;
    std::vector<Curve> previous_;
    bool previousRunShown_ = true;
    double stopTime_;
    bool manualTime_ = false;
    bool manualValue_ = false;
    PlotRange time_;
    PlotRange value_;
    std::optional<double> cursorTime_;
    Drag drag_ = Drag::None;
    QPoint dragStart_;
    QPoint dragNow_;
    PlotMapping dragMapping_;
};

}  // namespace VantorStudio
