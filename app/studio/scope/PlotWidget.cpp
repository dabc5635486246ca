#include "PlotWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

namespace VantorStudio {

namespace {

// How much of the colour a previous run's trace keeps; the rest is white.
constexpr double kPreviousRunStrength = 0.4;
constexpr int kWheelNotch = 120;

bool usable(PlotRange range) {
    return std::isfinite(range.low) && std::isfinite(range.high) && range.low < range.high;
}

// The range shown for an extent: a margin on each side, a unit band about a constant.
PlotRange withMargin(const MinMaxPyramid::Extent& extent) {
    if (extent.empty() || !std::isfinite(extent.min) || !std::isfinite(extent.max))
        return {-1, 1};
    const double span = extent.max - extent.min;
    if (span > 0)
        return {extent.min - span * PlotWidget::kValueMargin,
                extent.max + span * PlotWidget::kValueMargin};
    const double half = extent.min != 0 ? std::abs(extent.min) * 0.1 : 1.0;
    return {extent.min - half, extent.max + half};
}

// The rectangle with these two pixels at opposite corners, both inside (QRect::normalized moves
// the corners of a reversed rectangle in by a pixel).
QRect cornersRect(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

}  // namespace

PlotWidget::PlotWidget(QWidget* parent)
    : QWidget(parent), stopTime_(std::numeric_limits<double>::quiet_NaN()) {
    setMouseTracking(true);
    setMinimumSize(160, 100);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PlotWidget::~PlotWidget() = default;

std::vector<PlotWidget::Curve> PlotWidget::curvesOf(std::vector<PlotTrace> traces) {
    std::vector<Curve> curves;
    curves.reserve(traces.size());
    for (PlotTrace& trace : traces) {
        MinMaxPyramid samples(trace.results, trace.column);
        samples.update();
        curves.push_back({std::move(trace), std::move(samples), {}});
    }
    return curves;
}

void PlotWidget::setTraces(std::vector<PlotTrace> traces, std::vector<PlotTrace> previousRun) {
    current_ = curvesOf(std::move(traces));
    previous_ = curvesOf(std::move(previousRun));
    update();
}

std::vector<PlotTrace> PlotWidget::traces() const {
    std::vector<PlotTrace> result;
    for (const Curve& curve : current_)
        result.push_back(curve.trace);
    return result;
}

std::vector<PlotTrace> PlotWidget::previousRunTraces() const {
    std::vector<PlotTrace> result;
    for (const Curve& curve : previous_)
        result.push_back(curve.trace);
    return result;
}

void PlotWidget::setPreviousRunShown(bool shown) {
    previousRunShown_ = shown;
    update();
}

void PlotWidget::setStopTime(double seconds) {
    stopTime_ = seconds;
    update();
}

void PlotWidget::refresh() {
    for (Curve& curve : current_)
        curve.samples.update();
    for (Curve& curve : previous_)
        curve.samples.update();
    update();
}

QColor PlotWidget::previousRunColour(const QColor& colour) {
    const auto fade = [](int channel) {
        return static_cast<int>(std::lround(255 - (255 - channel) * kPreviousRunStrength));
    };
    return QColor(fade(colour.red()), fade(colour.green()), fade(colour.blue()));
}

std::vector<PlotCurve> PlotWidget::shownCurves() const {
    std::vector<PlotCurve> curves;
    if (previousRunShown_) {
        for (const Curve& curve : previous_)
            curves.push_back(
                {&curve.samples, previousRunColour(curve.trace.colour), QString(), &curve.columns});
    }
    for (const Curve& curve : current_)
        curves.push_back({&curve.samples, curve.trace.colour,
                          QString::fromStdString(curve.trace.name), &curve.columns});
    return curves;
}

PlotRange PlotWidget::autoTimeRange() const {
    PlotRange range{0, stopTime_ > 0 ? stopTime_ : 0};
    for (const Curve& curve : current_) {
        const std::size_t count = curve.samples.size();
        if (count == 0)
            continue;
        range.low = std::min(range.low, curve.samples.time(0));
        range.high = std::max(range.high, curve.samples.time(count - 1));
    }
    if (!(range.high > range.low))
        range.high = range.low + 1;
    return range;
}

PlotRange PlotWidget::autoValueRange(PlotRange time) const {
    MinMaxPyramid::Extent extent;
    for (const PlotCurve& curve : shownCurves())
        extent.include(curve.samples->extent(curve.samples->firstAtOrAfter(time.low),
                                             curve.samples->firstAfter(time.high)));
    return withMargin(extent);
}

PlotRange PlotWidget::timeRange() const {
    return manualTime_ ? time_ : autoTimeRange();
}

PlotRange PlotWidget::valueRange() const {
    return manualValue_ ? value_ : autoValueRange(timeRange());
}

void PlotWidget::setTimeRange(PlotRange range) {
    if (!usable(range))
        return;
    manualTime_ = true;
    time_ = range;
    update();
}

void PlotWidget::setValueRange(PlotRange range) {
    if (!usable(range))
        return;
    manualValue_ = true;
    value_ = range;
    update();
}

void PlotWidget::autoscale() {
    manualTime_ = false;
    manualValue_ = false;
    update();
}

PlotMapping PlotWidget::mapping() const {
    return PlotPainter::layout(rect(), timeRange(), valueRange());
}

void PlotWidget::render(QPainter& painter, const QRect& bounds, TraceDecimator::Mode mode) const {
    PlotPainter::Frame frame;
    frame.time = timeRange();
    frame.value = valueRange();
    frame.mode = mode;
    PlotPainter::paint(painter, bounds, shownCurves(), frame);
}

void PlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PlotPainter::Frame frame;
    frame.time = timeRange();
    frame.value = valueRange();
    frame.cursorTime = drag_ == Drag::None ? cursorTime_ : std::nullopt;
    PlotPainter::paint(painter, rect(), shownCurves(), frame);
    if (drag_ == Drag::RubberBand) {
        painter.setPen(QPen(Qt::darkGray, 0, Qt::DashLine));
        painter.setBrush(QColor(80, 120, 200, 40));
        painter.drawRect(cornersRect(dragStart_, dragNow_));
    }
}

void PlotWidget::wheelEvent(QWheelEvent* event) {
    // Some platforms turn a wheel turned with Shift into a horizontal one.
    const QPoint delta = event->angleDelta();
    const int notches = delta.y() != 0 ? delta.y() : delta.x();
    if (notches == 0)
        return;
    const double factor = std::pow(kWheelZoom, double(notches) / kWheelNotch);
    if (event->modifiers() & Qt::ShiftModifier)
        zoomValue(factor, event->position().y());
    else
        zoomTime(factor, event->position().x());
    event->accept();
}

void PlotWidget::mousePressEvent(QMouseEvent* event) {
    const bool pan =
        event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier));
    if (pan)
        drag_ = Drag::Pan;
    else if (event->button() == Qt::LeftButton)
        drag_ = Drag::RubberBand;
    else
        return;
    dragStart_ = dragNow_ = event->position().toPoint();
    dragMapping_ = mapping();
    event->accept();
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    followPointer(position);
    if (drag_ == Drag::None)
        return;
    dragNow_ = position;
    if (drag_ == Drag::Pan)
        panBy(dragNow_ - dragStart_);
    update();
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_ == Drag::None)
        return;
    dragNow_ = event->position().toPoint();
    if (drag_ == Drag::RubberBand)
        zoomToBand();
    else
        panBy(dragNow_ - dragStart_);
    drag_ = Drag::None;
    update();
}

void PlotWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    drag_ = Drag::None;
    autoscale();
    Q_EMIT autoscaleRequested();
}

void PlotWidget::leaveEvent(QEvent*) {
    cursorTime_.reset();
    update();
}

void PlotWidget::followPointer(QPoint position) {
    const PlotMapping now = mapping();
    if (now.area().contains(position))
        cursorTime_ = now.timeAt(position.x());
    else
        cursorTime_.reset();
    update();
}

void PlotWidget::zoomTime(double factor, double aboutX) {
    const PlotMapping now = mapping();
    const PlotRange range = now.time();
    const double about = now.timeAt(aboutX);
    changeTimeByGesture(
        {about - (about - range.low) * factor, about + (range.high - about) * factor});
}

void PlotWidget::zoomValue(double factor, double aboutY) {
    const PlotMapping now = mapping();
    const PlotRange range = now.value();
    const double about = now.valueAt(aboutY);
    setValueRange({about - (about - range.low) * factor, about + (range.high - about) * factor});
}

// Moves both axes by the pixels the pointer moved since the drag began, from the ranges the
// drag began with, so that the samples under the pointer stay under it.
void PlotWidget::panBy(QPoint pixels) {
    const PlotMapping& start = dragMapping_;
    if (start.area().isEmpty())
        return;
    const double dt = -pixels.x() * start.time().span() / start.area().width();
    const double dv = pixels.y() * start.value().span() / start.area().height();
    setValueRange({start.value().low + dv, start.value().high + dv});
    changeTimeByGesture({start.time().low + dt, start.time().high + dt});
}

void PlotWidget::zoomToBand() {
    const QRect band = cornersRect(dragStart_, dragNow_) & dragMapping_.area();
    if (band.height() >= kSmallestBand)
        setValueRange({dragMapping_.valueAt(band.bottom() + 1), dragMapping_.valueAt(band.top())});
    if (band.width() >= kSmallestBand)
        changeTimeByGesture(
            {dragMapping_.timeAt(band.left()), dragMapping_.timeAt(band.right() + 1)});
}

void PlotWidget::changeTimeByGesture(PlotRange range) {
    if (!usable(range))
        return;
    setTimeRange(range);
    Q_EMIT timeRangeChanged(range.low, range.high);
}

}  // namespace VantorStudio
