#include "PainterBlockRenderer.h"

#include <QPainter>
#include <QPolygonF>

#include "vtdove/EngineDrawingUnits.h"
#include "vtdove/TextPlacer.h"

namespace VantorStudio {

namespace {

QPolygonF polygonOf(const std::vector<PARR::GLPoint<double>>& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const PARR::GLPoint<double>& p : points)
        polygon << QPointF(p.x, p.y);
    return polygon;
}

}  // namespace

PainterBlockRenderer::PainterBlockRenderer(QPainter& painter, double penWidth)
    : painter_(painter), penWidth_(penWidth) {}

QPainter& PainterBlockRenderer::outlining() {
    QPen pen(lineColour_);
    pen.setStyle(penStyle_);
    pen.setWidthF(penWidth_);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    return painter_;
}

QPainter& PainterBlockRenderer::filling() {
    outlining();
    painter_.setBrush(fillColour_);
    return painter_;
}

void PainterBlockRenderer::fillRect(double x, double y, double w, double h) {
    painter_.fillRect(QRectF(x, y, w, h), fillColour_);
}

void PainterBlockRenderer::drawRect(double x, double y, double w, double h) {
    outlining().drawRect(QRectF(x, y, w, h));
}

void PainterBlockRenderer::fillRoundRect(double x, double y, double w, double h, double r) {
    filling().drawRoundedRect(QRectF(x, y, w, h), r * 100, r * 100, Qt::RelativeSize);
}

void PainterBlockRenderer::drawRoundRect(double x, double y, double w, double h, double r) {
    outlining().drawRoundedRect(QRectF(x, y, w, h), r * 100, r * 100, Qt::RelativeSize);
}

void PainterBlockRenderer::fillEllipse(double x, double y, double w, double h) {
    filling().drawEllipse(QRectF(x, y, w, h));
}

void PainterBlockRenderer::drawEllipse(double x, double y, double w, double h) {
    outlining().drawEllipse(QRectF(x, y, w, h));
}

void PainterBlockRenderer::fillArc(double x, double y, double w, double h, double start,
                                   double span) {
    filling().drawPie(QRectF(x, y, w, h), VantorRenderer::arcSixteenths(start),
                      VantorRenderer::arcSixteenths(span));
}

void PainterBlockRenderer::drawArc(double x, double y, double w, double h, double start,
                                   double span) {
    outlining().drawArc(QRectF(x, y, w, h), VantorRenderer::arcSixteenths(start),
                        VantorRenderer::arcSixteenths(span));
}

void PainterBlockRenderer::fillPolygon(const std::vector<PARR::GLPoint<double>>& points) {
    filling().drawPolygon(polygonOf(points));
}

void PainterBlockRenderer::drawPolyline(const std::vector<PARR::GLPoint<double>>& points) {
    outlining().drawPolyline(polygonOf(points));
}

void PainterBlockRenderer::drawText(const std::string& text) {
    using VantorRenderer::TextPlacer;
    const QString shown = QString::fromStdString(text);
    outlining();
    const TextPlacer::Placement placement =
        TextPlacer::place(painter_, shown, current_, textRotation_, hAlign_, vAlign_);
    TextPlacer::draw(painter_, shown, placement);
}

void PainterBlockRenderer::drawImage(double x, double y, double w, double h, const QImage& image) {
    if (!image.isNull())
        painter_.drawImage(QRectF(x, y, w, h), image);
}

void PainterBlockRenderer::drawPoint(int x, int y) {
    outlining().drawPoint(QPointF(x, y));
}

void PainterBlockRenderer::lineTo(int x, int y) {
    outlining().drawLine(current_, QPointF(x, y));
}

void PainterBlockRenderer::setFont(const std::string&) {}

void PainterBlockRenderer::setTextRotation(double degrees) {
    textRotation_ = degrees;
}

void PainterBlockRenderer::setLineStyle(int pen) {
    static constexpr Qt::PenStyle kStyles[] = {Qt::NoPen, Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                               Qt::DashDotLine};
    penStyle_ = pen >= 0 && pen < 5 ? kStyles[pen] : Qt::SolidLine;
}

void PainterBlockRenderer::setTextHAlign(std::uint32_t value) {
    hAlign_ = value;
}

void PainterBlockRenderer::setTextVAlign(std::uint32_t value) {
    vAlign_ = value;
}

void PainterBlockRenderer::setTextOption(std::uint32_t) {}

void PainterBlockRenderer::moveTo(const PARR::GLPoint<double>& point) {
    current_ = QPointF(point.x, point.y);
}

void PainterBlockRenderer::setFillColor(std::uint32_t colour) {
    fillColour_ = VantorRenderer::engineColour(colour);
}

void PainterBlockRenderer::setLineColor(std::uint32_t colour) {
    lineColour_ = VantorRenderer::engineColour(colour);
}

void PainterBlockRenderer::flush() {}

void PainterBlockRenderer::beginPortLabels() {
    portLabelsOpen_ = true;
}

bool PainterBlockRenderer::endPortLabels() {
    const bool wasOpen = portLabelsOpen_;
    portLabelsOpen_ = false;
    return wasOpen;
}

}  // namespace VantorStudio
