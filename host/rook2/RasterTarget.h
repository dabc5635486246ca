#pragma once

#include <QPaintEngine>
#include <QPainter>

namespace ROOK2 {

// True when `painter` paints pixels (an image, a widget): the painter's image caches then
// serve. A vector device (a PDF or SVG writer, a printer) is painted directly, so that its
// drawing stays lines and text instead of embedded bitmaps.
inline bool paintsToRaster(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster;
}

}  // namespace ROOK2
