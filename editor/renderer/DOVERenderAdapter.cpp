#include "renderer/DOVERenderAdapter.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "parr/Angles.h"
#include "vtdove/EngineDrawingUnits.h"
#include "vtdove/TextPlacer.h"

namespace VantorRenderer {

namespace {

QPolygonF polygonOf(const std::vector<PARR::GLPoint<double>>& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const PARR::GLPoint<double>& p : points)
        polygon.append(QPointF(p.x, p.y));
    return polygon;
}

// The integer box the engine's ellipses and arcs are drawn in: the truncated values.
QRect truncatedBox(double x, double y, double w, double h) {
    const int tx = static_cast<int>(x), ty = static_cast<int>(y);
    return QRect(QPoint(tx, ty),
                 QPoint(static_cast<int>(w) + tx - 1, static_cast<int>(h) + ty - 1));
}

}  // namespace

DOVERenderAdapter::DOVERenderAdapter(double width, double height)
    : lastRoundRect(std::make_shared<QRectF>()),
      lastTextRect(std::make_shared<QRectF>()),
      width(width),
      height(height) {}

DOVERenderAdapter::~DOVERenderAdapter() = default;

// --- one rendering ----------------------------------------------------------------------

void DOVERenderAdapter::begin(double x, double y) {
    layers[SS].clear();
    layers[PortLabels].clear();
    ssMode = ssActive = portLabelsOpen = false;
    currentIndex = Foreground;
    frames.takePending();
    layers[Foreground].begin(x, y);
    layers[Border].begin(x, y);
    layers[Background].begin(x, y);
    drawingOffset = QPointF(x, y);
}

void DOVERenderAdapter::end() {
    // The engine may leave a section open; its recording must still be closed.
    endSS();
    endPortLabels();
    layers[Foreground].end();
    layers[Background].end();
    drawPendingFrame();
    layers[Border].end();
    drawingOffset = QPointF(0, 0);
}

void DOVERenderAdapter::renderBlock(const VTQUILL::ImmutableBlock& block) {
    const PARR::GLPoint<double> at = block.getPosition();
    begin(at.x, at.y);
    block.paintBlockGraphics(*this);
    end();
}

// --- replay -------------------------------------------------------------------------------

bool DOVERenderAdapter::replay(Layer layer, QPainter& painter) {
    if (layer == Border)
        drawPendingFrame();
    return layers[layer].replay(painter);
}

QRectF DOVERenderAdapter::layerBounds(Layer layer) const {
    return layers[layer].boundingRect();
}

bool DOVERenderAdapter::isLayerEmpty(Layer layer) const {
    return layers[layer].isEmpty();
}

int DOVERenderAdapter::primitiveCount(Layer layer) const {
    return layers[layer].primitiveCount();
}

// --- scaled region and stretching -----------------------------------------------------------

double DOVERenderAdapter::fitSS(double blockWidth, double blockHeight, QPointF& position) {
    const double w = blockWidth - 10, h = blockHeight - 10;
    if (ssWidth <= 0 || ssHeight <= 0 || w <= 0 || h <= 0) {
        ssScale = -1.0;
        return ssScale;
    }
    ssScale = std::min(w / ssWidth, h / ssHeight);
    position = QPointF((w - ssWidth * ssScale) * 0.5 + 5 - ssLeft * ssScale,
                       (h - ssHeight * ssScale) * 0.5 + 5 - ssTop * ssScale);
    return ssScale;
}

void DOVERenderAdapter::setStretch(double sx, double sy) {
    stretchX = sx;
    stretchY = sy;
    drawingOffset = QPointF(0, 0);
}

// --- layer selection ------------------------------------------------------------------------

RenderLayer& DOVERenderAdapter::currentLayer() {
    if (ssActive)
        return layers[SS];
    switch (currentIndex) {
        case 1:
            return layers[Background];
        case 2:
            return layers[Border];
        case 3:
            return layers[PortLabels];
        default:
            return layers[Foreground];
    }
}

void DOVERenderAdapter::select(std::uint32_t index) {
    // Port labels take everything drawn in their section, whatever its kind.
    if (!portLabelsOpen)
        currentIndex = index;
}

bool DOVERenderAdapter::selectRecording(std::uint32_t index) {
    select(index);
    // Primitives outside a rendering (begin ... end) have nowhere to go.
    return currentLayer().isRecording();
}

QColor DOVERenderAdapter::unpack(std::uint32_t colour) {
    return engineColour(colour);
}

void DOVERenderAdapter::setOutlinePen(QPainter& painter) const {
    QPen pen(unpack(lineColour));
    pen.setWidthF(penWidth);
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    // A shape's outline never fills it, also where fills and outlines share a layer.
    painter.setBrush(Qt::NoBrush);
}

QPainter& DOVERenderAdapter::prepareFill(const QRectF& covered) {
    select(Background);
    QPainter& painter = currentLayer().currentPainter();
    painter.setBrush(QBrush(unpack(fillColour), Qt::SolidPattern));
    QPen pen(unpack(lineColour));
    pen.setWidthF(penWidth);
    painter.setPen(pen);
    return currentLayer().drawingPainter(covered);
}

QPainter& DOVERenderAdapter::prepareOutline(const QRectF& covered) {
    select(Border);
    setOutlinePen(currentLayer().currentPainter());
    return currentLayer().drawingPainter(covered);
}

QPainter& DOVERenderAdapter::prepareForeground(const QRectF& covered) {
    select(Foreground);
    setOutlinePen(currentLayer().currentPainter());
    return currentLayer().drawingPainter(covered);
}

// --- frames ---------------------------------------------------------------------------------

void DOVERenderAdapter::drawFrameNow(const QRectF& rect) {
    RenderLayer& border = layers[Border];
    if (!border.isRecording())
        return;
    setOutlinePen(border.currentPainter());
    border.drawingPainter(rect).drawRects(&rect, 1);
}

void DOVERenderAdapter::drawPendingFrame() {
    if (!layers[Border].isRecording())
        return;
    if (const std::optional<QRectF> pending = frames.takePending())
        drawFrameNow(*pending);
}

void DOVERenderAdapter::drawRect(double x, double y, double w, double h) {
    const QRectF rect(x, y, w, h);
    if (ssActive || portLabelsOpen) {
        RenderLayer& layer = currentLayer();
        if (!layer.isRecording())
            return;
        setOutlinePen(layer.currentPainter());
        layer.drawingPainter(rect).drawRect(rect);
        return;
    }
    const FrameMerger::Strokes strokes = frames.add(rect);
    penWidth = strokes.penWidth;
    for (const QRectF& r : strokes.rects)
        drawFrameNow(r);
}

// --- shapes ---------------------------------------------------------------------------------

void DOVERenderAdapter::fillRect(double x, double y, double w, double h) {
    if (!selectRecording(Background))
        return;
    const QRectF rect(x, y, w, h);
    QPainter& painter = prepareFill(rect);
    painter.fillRect(rect, painter.brush());
    QPainterPath shape;
    shape.addRect(rect);
    currentLayer().addShape(shape);
}

std::pair<int, int> DOVERenderAdapter::roundness(double w, double h, double r) {
    const double m = std::max(w * r * 0.5, h * r * 0.5);
    const double c = std::min(w, h) / (3.0 - r);
    const double radius = std::min(c, m);
    const double value = (radius * 2 + 1) * 99;
    const auto percent = [&](double side) {
        return std::clamp(static_cast<int>(value / side + 0.5), 0, 100);
    };
    return {percent(w), percent(h)};
}

void DOVERenderAdapter::roundRect(QPainter& painter, double x, double y, double w, double h,
                                  double r) {
    const auto [xRnd, yRnd] = roundness(w, h, r);
    *lastRoundRect = QRectF(x, y, w, h);
    painter.drawRoundedRect(*lastRoundRect, xRnd, yRnd, Qt::RelativeSize);
}

void DOVERenderAdapter::fillRoundRect(double x, double y, double w, double h, double r) {
    // The roundness divides by the sides: an empty rectangle has none, and draws nothing.
    if (w <= 0 || h <= 0 || !selectRecording(Background))
        return;
    roundRect(prepareFill(QRectF(x, y, w, h)), x, y, w, h, r);
    const auto [xRnd, yRnd] = roundness(w, h, r);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(x, y, w, h), xRnd, yRnd, Qt::RelativeSize);
    currentLayer().addShape(shape);
}

void DOVERenderAdapter::drawRoundRect(double x, double y, double w, double h, double r) {
    if (w <= 0 || h <= 0 || !selectRecording(Border))
        return;
    roundRect(prepareOutline(QRectF(x, y, w, h)), x, y, w, h, r);
}

void DOVERenderAdapter::fillEllipse(double x, double y, double w, double h) {
    if (!selectRecording(Background))
        return;
    const QRect box = truncatedBox(x, y, w, h);
    prepareFill(box).drawEllipse(box);
    QPainterPath shape;
    shape.addEllipse(QRectF(box));
    currentLayer().addShape(shape);
}

void DOVERenderAdapter::drawEllipse(double x, double y, double w, double h) {
    if (!selectRecording(Border))
        return;
    const QRect box = truncatedBox(x, y, w, h);
    prepareOutline(box).drawEllipse(box);
}

void DOVERenderAdapter::fillArc(double x, double y, double w, double h, double start, double span) {
    // A filled arc is its sector: the outline alone would fill nothing.
    if (selectRecording(Background)) {
        const QRect box(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                        static_cast<int>(h));
        prepareFill(box).drawPie(box, arcSixteenths(start), arcSixteenths(span));
    }
}

void DOVERenderAdapter::drawArc(double x, double y, double w, double h, double start, double span) {
    if (selectRecording(Border)) {
        const QRect box(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                        static_cast<int>(h));
        prepareOutline(box).drawArc(box, arcSixteenths(start), arcSixteenths(span));
    }
}

void DOVERenderAdapter::fillPolygon(const std::vector<PARR::GLPoint<double>>& points) {
    if (!selectRecording(Background))
        return;
    const QPolygonF polygon = polygonOf(points);
    QPainter& painter = prepareFill(polygon.boundingRect());
    painter.drawPolyline(polygon);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    painter.fillPath(path, painter.brush());
    currentLayer().addShape(path);
}

void DOVERenderAdapter::drawPolyline(const std::vector<PARR::GLPoint<double>>& points) {
    if (!selectRecording(Border))
        return;
    const QPolygonF polyline = polygonOf(points);
    prepareOutline(polyline.boundingRect()).drawPolyline(polyline);
}

// --- text, images, points -------------------------------------------------------------------

void DOVERenderAdapter::drawText(const std::string& text) {
    if (!selectRecording(Foreground))
        return;
    QPainter& measuring = currentLayer().currentPainter();
    // The engine's font holds for this text alone in the recording, so the texts of blocks
    // that never set one are recorded exactly as before.
    if (textFont) {
        measuring.save();
        measuring.setFont(*textFont);
    }
    const QString shown = QString::fromStdString(text);
    const TextPlacer::Placement placement =
        TextPlacer::place(measuring, shown, currentPoint, textRotation, textHAlign, textVAlign);
    *lastTextRect = placement.box;
    TextPlacer::draw(prepareForeground(placement.unturnedBox()), shown, placement);
    if (textFont)
        measuring.restore();
}

void DOVERenderAdapter::drawImage(double x, double y, double w, double h, const QImage& image) {
    if (image.isNull())
        return;
    if (ssActive) {
        if (layers[SS].isRecording())
            layers[SS].drawingPainter(QRectF(x, y, w, h)).drawImage(QRectF(x, y, w, h), image);
        return;
    }
    if (selectRecording(Foreground))
        prepareForeground(QRectF(x, y, w, h)).drawImage(QRectF(x, y, w, h), image);
}

void DOVERenderAdapter::drawPoint(int x, int y) {
    if (selectRecording(Foreground))
        prepareForeground(QRectF(x, y, 0, 0)).drawLine(QPointF(x, y), QPointF(x, y));
}

void DOVERenderAdapter::lineTo(int x, int y) {
    if (selectRecording(Foreground))
        prepareForeground(QRectF(currentPoint, QPointF(x, y)))
            .drawLine(currentPoint, QPointF(x, y));
}

// --- settings -------------------------------------------------------------------------------

void DOVERenderAdapter::setFont(const std::string& name) {
    QFont font;
    if (name.empty() || !font.fromString(QString::fromStdString(name))) {
        textFont.reset();
        return;
    }
    textFont = font;
}

void DOVERenderAdapter::setTextRotation(double degrees) {
    textRotation = degrees;
}

void DOVERenderAdapter::setLineStyle(int) {}

void DOVERenderAdapter::setTextHAlign(std::uint32_t value) {
    textHAlign = value;
}

void DOVERenderAdapter::setTextVAlign(std::uint32_t value) {
    textVAlign = value;
}

void DOVERenderAdapter::setTextOption(std::uint32_t) {}

void DOVERenderAdapter::moveTo(const PARR::GLPoint<double>& point) {
    currentPoint = QPointF(point.x, point.y);
}

void DOVERenderAdapter::setFillColor(std::uint32_t colour) {
    fillColour = colour;
}

void DOVERenderAdapter::setLineColor(std::uint32_t colour) {
    lineColour = colour;
}

void DOVERenderAdapter::flush() {}

// --- sections -------------------------------------------------------------------------------

void DOVERenderAdapter::beginSS(double top, double left, double bottom, double right) {
    ssMode = true;
    ssActive = true;
    layers[SS].beginUntranslated();
    ssWidth = right - left;
    ssHeight = bottom - top;
    ssLeft = left;
    ssTop = top;
}

void DOVERenderAdapter::endSS() {
    if (!ssActive)
        return;
    ssActive = false;
    layers[SS].end();
}

void DOVERenderAdapter::beginPortLabels() {
    layers[PortLabels].begin(drawingOffset.x(), drawingOffset.y());
    currentIndex = 3;
    portLabelsOpen = true;
}

bool DOVERenderAdapter::endPortLabels() {
    if (!portLabelsOpen)
        return false;
    layers[PortLabels].end();
    portLabelsOpen = false;
    currentIndex = Foreground;
    return true;
}

}  // namespace VantorRenderer
