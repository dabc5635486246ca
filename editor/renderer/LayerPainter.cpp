#include "renderer/LayerPainter.h"

#include <QPainter>
#include <algorithm>

namespace VantorRenderer {

LayerPainter::LayerPainter(DOVERenderAdapter::Layer layer, const PARR::GLRect<double>& rect,
                           boost::shared_ptr<DOVERenderAdapter> adapter)
    : layer(layer), rect(rect), adapter(std::move(adapter)), measured(measure()) {}

ROOK2::Bounds LayerPainter::measure() const {
    const QRectF drawn = adapter->layerBounds(layer);
    if (drawn.isEmpty())
        return ROOK2::Bounds(rect);
    const double left = std::min(rect.x, drawn.left());
    const double top = std::min(rect.y, drawn.top());
    const double right = std::max(rect.x + rect.width, drawn.right());
    const double bottom = std::max(rect.y + rect.height, drawn.bottom());
    return ROOK2::Bounds(PARR::GLRect<double>(left, top, right - left, bottom - top));
}

QPainterPath LayerPainter::getStrokedOutline() const {
    const QPainterPath& filled = adapter->filledShape(layer);
    if (!filled.isEmpty())
        return filled;
    QPainterPath outline;
    outline.addRect(QRectF(rect.x, rect.y, rect.width, rect.height));
    return outline;
}

void LayerPainter::paint(QPainter* painter) {
    adapter->replay(layer, *painter);
}

}  // namespace VantorRenderer
