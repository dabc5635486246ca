#include "renderer/RenderLayer.h"

#include <algorithm>
#include <boost/make_shared.hpp>

#include "renderer/PictureDevice.h"

namespace VantorRenderer {

RenderLayer::RenderLayer() : paintDevice(boost::make_shared<PictureDevice>()) {}

RenderLayer::~RenderLayer() {
    end();
}

void RenderLayer::begin(double x, double y) {
    end();
    originX = x;
    originY = y;
    primitives = 0;
    covered = QRectF();
    shapes = QPainterPath();
    painter.begin(paintDevice->paintDevice());
    painter.translate(-x, -y);
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void RenderLayer::end() {
    if (!painter.isActive())
        return;
    painter.translate(originX, originY);
    painter.end();
}

void RenderLayer::clear() {
    end();
    paintDevice = boost::make_shared<PictureDevice>();
    primitives = 0;
    covered = QRectF();
    shapes = QPainterPath();
}

QPainter& RenderLayer::drawingPainter(const QRectF& rect) {
    ++primitives;
    const QPen& pen = painter.pen();
    const double margin = pen.style() == Qt::NoPen ? 0.0 : std::max(pen.widthF(), 1.0) / 2;
    const QRectF box =
        painter.transform().mapRect(rect.normalized()).adjusted(-margin, -margin, margin, margin);
    covered = covered.isNull() ? box : covered.united(box);
    return painter;
}

void RenderLayer::addShape(const QPainterPath& shape) {
    shapes.addPath(painter.transform().map(shape));
}

bool RenderLayer::replay(QPainter& onto) const {
    if (primitives == 0 || !paintDevice->replay(onto))
        return false;
    onto.translate(originX, originY);
    return true;
}

QRectF RenderLayer::boundingRect() const {
    return primitives == 0 ? QRectF() : covered;
}

}  // namespace VantorRenderer
