#include "rook2/CustomNodePainter.h"

#include <QPainter>

namespace ROOK2 {

QPainterPath CustomNodePainter::getStrokedOutline() const {
    const PARR::GLRect<double> r = bounds().boundingRect();
    QPainterPath path;
    path.addRect(QRectF(r.x, r.y, r.width, r.height));
    return path;
}

void CustomNodePainter::paintMask(QPainter* painter) {
    painter->fillPath(getStrokedOutline(), Qt::black);
}

}  // namespace ROOK2
