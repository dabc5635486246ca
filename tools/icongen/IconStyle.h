#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace IconGen {

// The colours and strokes every icon shares, and the small shapes several of them draw
// (a magnifier, a chain link, a block). Coordinates are pixels of the icon, origin at the
// top-left corner; a 1-pixel line meant to be sharp lies on a pixel centre (n + 0.5).
class IconStyle {
public:
    static QColor outline() { return QColor(0x2b, 0x3a, 0x4a); }
    static QColor accent() { return QColor(0x2f, 0x74, 0xc0); }
    static QColor fill() { return QColor(0xdc, 0xe8, 0xf5); }
    static QColor paper() { return QColor(0xfb, 0xfb, 0xf7); }
    static QColor mark() { return QColor(0xe0, 0x7b, 0x00); }
    static QColor warning() { return QColor(0xc6, 0x28, 0x28); }
    static QColor inactive() { return QColor(0x9e, 0x9e, 0x9e); }

    // A pen of `colour` and `width` with round caps and joins.
    static QPen pen(const QColor& colour, double width);

    // A magnifier: a glass of `radius` around `centre` (paper inside) and a handle going
    // down-right to `handleEnd`.
    static void magnifier(QPainter& painter, const QPointF& centre, double radius,
                          const QPointF& handleEnd);
    // One link of a chain: a rounded bar `length` long and `thickness` wide, centred on
    // `centre`, turned by `degrees`, drawn as an outline of width `stroke`.
    static void chainLink(QPainter& painter, const QPointF& centre, double length, double thickness,
                          double degrees, double stroke, const QColor& colour);
    // A block of a diagram: `box` filled and outlined.
    static void block(QPainter& painter, const QRectF& box);
    // An arrowhead pointing right with its tip at `tip`, `size` long.
    static QPainterPath arrowhead(const QPointF& tip, double size);
};

}  // namespace IconGen
