#pragma once

#include <QImage>
#include <QPainter>

#include "rook2/ScenePainter.h"

namespace rook2test {

// The scene of `painter` painted antialiased on white into a w x h image at `zoom` device
// pixels per scene unit, the scene's origin at the image's top-left corner.
inline QImage renderScene(ROOK2::ScenePainter& painter, int w, int h, double zoom = 1.0) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(zoom, zoom);
    painter.paint(p, {0, 0, w / zoom, h / zoom});
    return image;
}

}  // namespace rook2test
