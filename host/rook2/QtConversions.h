#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QTransform>

#include "parr/Color.h"
#include "parr/GLPoint.h"
#include "parr/GLRect.h"
#include "parr/Transform.h"
#include "rook2/Fill.h"
#include "rook2/Stroke.h"

namespace ROOK2 {

// Conversions between scene-graph values and Qt's, for the painting code.

QColor toQColor(const PARR::Color& color);
QPointF toQPointF(const PARR::GLPoint<double>& p);
QRectF toQRectF(const PARR::GLRect<double>& r);
QTransform toQTransform(const PARR::Transform& t);
// The pen of `stroke` at `zoom` device pixels per node unit (Qt::NoPen for style 0).
QPen toQPen(const Stroke& stroke, double zoom);
// The brush of `fill` (Qt::NoBrush for no fill); a gradient of coordinate mode 2 spans the
// box of whatever shape it fills.
QBrush toQBrush(const Fill& fill);

}  // namespace ROOK2
