#include "rook2/QtConversions.h"

#include <QLinearGradient>

namespace ROOK2 {

QColor toQColor(const PARR::Color& c) {
    return QColor::fromRgbF(float(c.red()), float(c.green()), float(c.blue()), float(c.alpha()));
}

QPointF toQPointF(const PARR::GLPoint<double>& p) {
    return {p.x, p.y};
}

QRectF toQRectF(const PARR::GLRect<double>& r) {
    return {r.x, r.y, r.width, r.height};
}

QTransform toQTransform(const PARR::Transform& t) {
    return QTransform(t.a(), t.b(), t.c(), t.d(), t.tx(), t.ty());
}

QPen toQPen(const Stroke& stroke, double zoom) {
    if (!stroke.isVisible())
        return QPen(Qt::NoPen);
    QPen pen(toQColor(stroke.color()));
    pen.setWidthF(stroke.lodScale().effectiveWidth(stroke.width(), zoom));
    pen.setStyle(stroke.style() == Stroke::Dashed ? Qt::DashLine : Qt::SolidLine);
    static const Qt::PenCapStyle caps[] = {Qt::FlatCap, Qt::SquareCap, Qt::RoundCap};
    static const Qt::PenJoinStyle joins[] = {Qt::MiterJoin, Qt::BevelJoin, Qt::RoundJoin};
    pen.setCapStyle(caps[stroke.cap() >= 0 && stroke.cap() <= 2 ? stroke.cap() : 0]);
    pen.setJoinStyle(joins[stroke.join() >= 0 && stroke.join() <= 2 ? stroke.join() : 0]);
    return pen;
}

QBrush toQBrush(const Fill& fill) {
    if (fill.isColor())
        return QBrush(toQColor(fill.color()));
    if (!fill.isGradient())
        return QBrush(Qt::NoBrush);
    const PARR::Gradient g = fill.gradient();
    QLinearGradient linear(toQPointF(g.start()), toQPointF(g.end()));
    for (const auto& stop : g.stops())
        linear.setColorAt(stop.position, toQColor(stop.color));
    linear.setCoordinateMode(g.coordinateMode() == PARR::Gradient::ObjectBoundingMode
                                 ? QGradient::ObjectBoundingMode
                                 : QGradient::LogicalMode);
    return QBrush(linear);
}

}  // namespace ROOK2
