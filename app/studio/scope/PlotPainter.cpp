#include "PlotPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "PlotTicks.h"

namespace VantorStudio {

const QColor PlotPainter::kBackground(255, 255, 255);

namespace {

constexpr int kFontPixels = 11;
constexpr int kTickLength = 4;
constexpr int kLabelGap = 3;
constexpr int kRightMargin = 16;
// Pixels per tick at most: denser numbers would run into each other.
constexpr int kPixelsPerTimeTick = 90;
constexpr int kPixelsPerValueTick = 35;
// Asking for fewer than four ticks may give none: a nice step can be 2.5 times the raw one.
constexpr int kFewestTicks = 4;
constexpr int kLegendInset = 6;
constexpr int kLegendPadding = 4;
constexpr int kLegendLine = 18;
constexpr int kCursorBoxGap = 8;
const char* const kTypicalLabel = "-0.000";

const QColor kGrid(228, 228, 228);
const QColor kFrame(120, 120, 120);
const QColor kText(50, 50, 50);
const QColor kCursor(90, 90, 90);

PlotTicks timeTicks(const PlotMapping& mapping) {
    return PlotTicks::of(mapping.time(),
                         std::max(kFewestTicks, mapping.area().width() / kPixelsPerTimeTick));
}

PlotTicks valueTicks(PlotRange value, int areaHeight) {
    return PlotTicks::of(value, std::max(kFewestTicks, areaHeight / kPixelsPerValueTick));
}

QPen cosmeticPen(const QColor& colour) {
    QPen pen(colour, 0);
    pen.setCosmetic(true);
    return pen;
}

QString valueText(double value) {
    return QString::number(value, 'g', 6);
}

}  // namespace

QFont PlotPainter::font() {
    QFont f;
    f.setPixelSize(kFontPixels);
    return f;
}

PlotMapping PlotPainter::layout(const QRect& bounds, PlotRange time, PlotRange value) {
    const QFontMetrics metrics(font());
    const int top = bounds.top() + metrics.height() / 2 + 2;
    const int bottom = bounds.bottom() - (metrics.height() + kTickLength + kLabelGap);
    const int height = std::max(0, bottom - top);
    const PlotTicks ticks = valueTicks(value, height);
    // Room for numbers of a few digits at least, so that stacked plots of similar ranges line
    // their time axes up.
    int widestLabel = metrics.horizontalAdvance(kTypicalLabel);
    for (const double tick : ticks.values())
        widestLabel = std::max(widestLabel, metrics.horizontalAdvance(ticks.label(tick)));
    const int left = bounds.left() + widestLabel + kTickLength + 2 * kLabelGap;
    const int width = std::max(0, bounds.right() - kRightMargin - left);
    return PlotMapping(QRect(left, top, width, height), time, value);
}

void PlotPainter::paint(QPainter& painter, const QRect& bounds,
                        const std::vector<PlotCurve>& curves, const Frame& frame) {
    painter.save();
    painter.setFont(font());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(bounds, kBackground);
    const PlotMapping mapping = layout(bounds, frame.time, frame.value);
    if (mapping.area().width() > 1 && mapping.area().height() > 1) {
        // Grid under the curves, axes and numbers over them, legend and cursor on top.
        paintGrid(painter, mapping);
        paintCurves(painter, mapping, curves, frame.mode);
        paintAxes(painter, mapping);
        if (frame.legend)
            paintLegend(painter, mapping, curves);
        if (frame.cursorTime)
            paintCursor(painter, mapping, curves, *frame.cursorTime);
    }
    painter.restore();
}

void PlotPainter::paintGrid(QPainter& painter, const PlotMapping& mapping) {
    const QRect& area = mapping.area();
    painter.setPen(cosmeticPen(kGrid));
    // The ticks are kept in locals: a loop over a temporary's member would read freed memory.
    const PlotTicks times = timeTicks(mapping);
    const PlotTicks values = valueTicks(mapping.value(), area.height());
    for (const double t : times.values()) {
        const int x = static_cast<int>(std::floor(mapping.xOf(t)));
        painter.drawLine(x, area.top(), x, area.bottom());
    }
    for (const double v : values.values()) {
        const int y = static_cast<int>(std::floor(mapping.yOf(v)));
        painter.drawLine(area.left(), y, area.right(), y);
    }
}

void PlotPainter::paintCurves(QPainter& painter, const PlotMapping& mapping,
                              const std::vector<PlotCurve>& curves, TraceDecimator::Mode mode) {
    painter.save();
    painter.setClipRect(mapping.area());
    for (const PlotCurve& curve : curves) {
        if (!curve.samples)
            continue;
        painter.setPen(cosmeticPen(curve.colour));
        const std::vector<TraceDecimator::Column>* columns =
            curve.columns && mode == TraceDecimator::Mode::Decimated
                ? &curve.columns->of(*curve.samples, mapping)
                : nullptr;
        for (const QPolygonF& line :
             TraceDecimator::polylines(*curve.samples, mapping, mode, columns)) {
            if (line.size() == 1)
                painter.drawPoint(line.front());
            else
                painter.drawPolyline(line);
        }
    }
    painter.restore();
}

void PlotPainter::paintAxes(QPainter& painter, const PlotMapping& mapping) {
    const QRect& area = mapping.area();
    const QFontMetrics metrics(painter.font());
    painter.setPen(cosmeticPen(kFrame));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    const PlotTicks times = timeTicks(mapping);
    for (const double t : times.values()) {
        const int x = static_cast<int>(std::floor(mapping.xOf(t)));
        painter.setPen(cosmeticPen(kFrame));
        painter.drawLine(x, area.bottom(), x, area.bottom() + kTickLength);
        painter.setPen(kText);
        const QString label = times.label(t);
        const int width = metrics.horizontalAdvance(label);
        painter.drawText(x - width / 2, area.bottom() + kTickLength + kLabelGap + metrics.ascent(),
                         label);
    }
    const PlotTicks values = valueTicks(mapping.value(), area.height());
    for (const double v : values.values()) {
        const int y = static_cast<int>(std::floor(mapping.yOf(v)));
        painter.setPen(cosmeticPen(kFrame));
        painter.drawLine(area.left() - kTickLength, y, area.left(), y);
        painter.setPen(kText);
        const QString label = values.label(v);
        const int width = metrics.horizontalAdvance(label);
        painter.drawText(area.left() - kTickLength - kLabelGap - width,
                         y + (metrics.ascent() - metrics.descent()) / 2, label);
    }
}

void PlotPainter::paintLegend(QPainter& painter, const PlotMapping& mapping,
                              const std::vector<PlotCurve>& curves) {
    const QFontMetrics metrics(painter.font());
    std::vector<const PlotCurve*> named;
    int widest = 0;
    for (const PlotCurve& curve : curves) {
        if (curve.name.isEmpty())
            continue;
        named.push_back(&curve);
        widest = std::max(widest, metrics.horizontalAdvance(curve.name));
    }
    if (named.empty())
        return;
    const QRect box(mapping.area().left() + kLegendInset, mapping.area().top() + kLegendInset,
                    kLegendLine + kLegendPadding * 3 + widest,
                    int(named.size()) * metrics.height() + 2 * kLegendPadding);
    painter.fillRect(box, QColor(255, 255, 255, 225));
    painter.setPen(cosmeticPen(kGrid.darker(115)));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    int y = box.top() + kLegendPadding;
    for (const PlotCurve* curve : named) {
        const int middle = y + metrics.height() / 2;
        painter.setPen(cosmeticPen(curve->colour));
        painter.drawLine(box.left() + kLegendPadding, middle,
                         box.left() + kLegendPadding + kLegendLine, middle);
        painter.setPen(kText);
        painter.drawText(box.left() + 2 * kLegendPadding + kLegendLine, y + metrics.ascent(),
                         curve->name);
        y += metrics.height();
    }
}

void PlotPainter::paintCursor(QPainter& painter, const PlotMapping& mapping,
                              const std::vector<PlotCurve>& curves, double time) {
    const QRect& area = mapping.area();
    const int x = static_cast<int>(std::floor(mapping.xOf(time)));
    if (x < area.left() || x > area.right())
        return;
    painter.setPen(cosmeticPen(kCursor));
    painter.drawLine(x, area.top(), x, area.bottom());

    std::vector<std::pair<QString, QColor>> lines{{"t = " + valueText(time), kText}};
    for (const PlotCurve& curve : curves) {
        if (curve.name.isEmpty() || !curve.samples)
            continue;
        const std::optional<double> value = TraceDecimator::valueAt(*curve.samples, time);
        lines.emplace_back(curve.name + ": " + (value ? valueText(*value) : QString("-")),
                           curve.colour);
    }
    const QFontMetrics metrics(painter.font());
    int widest = 0;
    for (const auto& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line.first));
    QRect box(x + kCursorBoxGap, area.top() + kLegendInset, widest + 2 * kLegendPadding,
              int(lines.size()) * metrics.height() + 2 * kLegendPadding);
    if (box.right() > area.right())
        box.moveRight(x - kCursorBoxGap);
    painter.fillRect(box, QColor(255, 255, 240, 235));
    painter.setPen(cosmeticPen(kFrame));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    int y = box.top() + kLegendPadding + metrics.ascent();
    for (const auto& [text, colour] : lines) {
        painter.setPen(colour);
        painter.drawText(box.left() + kLegendPadding, y, text);
        y += metrics.height();
    }
}

}  // namespace VantorStudio
