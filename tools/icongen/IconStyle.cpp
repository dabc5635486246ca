#include "IconStyle.h"

#include <QPainter>
#include <QTransform>
#include <cmath>

namespace IconGen {

QPen IconStyle::pen(const QColor& colour, double width) {
    QPen p(colour, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void IconStyle::magnifier(QPainter& painter, const QPointF& centre, double radius,
                          const QPointF& handleEnd) {
    // The handle starts on the rim, towards its end, so the glass stays round.
    const QPointF towards = handleEnd - centre;
    const double length = std::hypot(towards.x(), towards.y());
    const QPointF rim = centre + towards * (radius / length);
    painter.setPen(pen(outline(), 3));
    painter.drawLine(rim, handleEnd);
    painter.setPen(pen(outline(), 1.6));
    painter.setBrush(paper());
    painter.drawEllipse(centre, radius, radius);
}

void IconStyle::chainLink(QPainter& painter, const QPointF& centre, double length, double thickness,
                          double degrees, double stroke, const QColor& colour) {
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    painter.setPen(pen(colour, stroke));
    painter.setBrush(Qt::NoBrush);
    const QRectF bar(-length / 2, -thickness / 2, length, thickness);
    painter.drawRoundedRect(bar, thickness / 2, thickness / 2);
    painter.restore();
}

void IconStyle::block(QPainter& painter, const QRectF& box) {
    painter.setPen(pen(outline(), 1));
    painter.setBrush(fill());
    painter.drawRect(box);
}

QPainterPath IconStyle::arrowhead(const QPointF& tip, double size) {
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-size, -size * 0.6));
    head.lineTo(tip + QPointF(-size, size * 0.6));
    head.closeSubpath();
    return head;
}

}  // namespace IconGen
