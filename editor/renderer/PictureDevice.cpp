#include "renderer/PictureDevice.h"

#include <QPainter>

namespace VantorRenderer {

PictureDevice::PictureDevice() : picture(-1) {}

void PictureDevice::draw(QPainter& painter, const QPointF& at) const {
    painter.drawPicture(at, picture);
}

void PictureDevice::drawScaled(QPainter& painter, double factor) const {
    painter.save();
    painter.scale(factor, factor);
    painter.drawPicture(QPointF(0, 0), picture);
    painter.restore();
}

bool PictureDevice::replay(QPainter& painter) const {
    if (picture.isNull())
        return false;
    painter.drawPicture(QPointF(0, 0), picture);
    return true;
}

QRectF PictureDevice::boundingRect() const {
    return picture.isNull() ? QRectF() : QRectF(picture.boundingRect());
}

}  // namespace VantorRenderer
