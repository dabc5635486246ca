#include "renderer/VtrenderSSPainter.h"

namespace VantorRenderer {

VtrenderSSPainter::VtrenderSSPainter(const PARR::GLRect<double>& rect,
                                     boost::shared_ptr<DOVERenderAdapter> a)
    : LayerPainter(DOVERenderAdapter::SS, rect, std::move(a)) {
    const QRectF r = adapter->layerBounds(layer);
    measured = ROOK2::Bounds(PARR::GLRect<double>(r.x(), r.y(), r.width(), r.height()));
}

void VtrenderSSPainter::paint(QPainter* painter) {
    if (adapter->getSSScale() == -1.0)
        return;
    LayerPainter::paint(painter);
}

}  // namespace VantorRenderer
