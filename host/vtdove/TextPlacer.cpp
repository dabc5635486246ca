#include "vtdove/TextPlacer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QString>
#include <QTransform>
#include <cmath>

#include "parr/Angles.h"

namespace VantorRenderer {

int TextPlacer::alignmentFlags(std::uint32_t hAlign, std::uint32_t vAlign) {
    int flags = 0;
    if (hAlign == 0)
        flags |= Qt::AlignLeft;
    else if (hAlign == 1)
        flags |= Qt::AlignHCenter;
    else if (hAlign == 2)
        flags |= Qt::AlignRight;
    if (vAlign == 0 || vAlign == 1)
        flags |= Qt::AlignTop;
    else if (vAlign == 2)
        flags |= Qt::AlignVCenter;
    else if (vAlign == 3 || vAlign == 4)
        flags |= Qt::AlignBottom;
    return flags;
}

QPointF TextPlacer::rotatedAnchor(const QPointF& point, double degrees) {
    if (degrees == 0.0)
        return point;
    const double t = PARR::deg_to_rad(degrees);
    const double c = std::cos(t), s = std::sin(t);
    return QPointF(point.x() * c - point.y() * s, point.x() * s + point.y() * c);
}

QRectF TextPlacer::Placement::unturnedBox() const {
    return degrees == 0.0 ? box : QTransform().rotate(-degrees).mapRect(box);
}

TextPlacer::Placement TextPlacer::place(QPainter& painter, const QString& text,
                                        const QPointF& point, double degrees, std::uint32_t hAlign,
                                        std::uint32_t vAlign) {
    QPointF anchor = rotatedAnchor(point, degrees);
    const QFontMetricsF metrics(painter.font(), painter.device());
    if (vAlign == 4)
        anchor.ry() += metrics.descent() + 1;
    else if (vAlign == 0)
        anchor.ry() -= metrics.ascent();
    Placement placement;
    placement.flags = alignmentFlags(hAlign, vAlign);
    placement.box = painter.boundingRect(QRectF(anchor, QSizeF(0, 0)), placement.flags, text);
    placement.degrees = degrees;
    return placement;
}

void TextPlacer::draw(QPainter& painter, const QString& text, const Placement& placement) {
    if (placement.degrees != 0.0)
        painter.rotate(-placement.degrees);
    painter.drawText(placement.box, placement.flags, text);
    if (placement.degrees != 0.0)
        painter.rotate(placement.degrees);
}

}  // namespace VantorRenderer
