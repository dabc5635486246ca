#pragma once

#include <QRectF>

class QPainter;
class QPaintDevice;
class QPointF;

namespace VantorRenderer {

// Where one recorded drawing layer is kept: something a QPainter records into and that can be
// drawn again onto another painter. Coordinates are those the recording painter used (after
// its own transformations, which the recording keeps).
class IPaintDevice {
public:
    virtual ~IPaintDevice() = default;

    // Draws the recording onto `painter` with its origin at `at`.
    virtual void draw(QPainter& painter, const QPointF& at) const = 0;
    // Draws the recording onto `painter`, scaled by `factor` about the origin.
    virtual void drawScaled(QPainter& painter, double factor) const = 0;
    // Plays the recording onto `painter`; false, drawing nothing, when there is none.
    virtual bool replay(QPainter& painter) const = 0;
    // The device to record into (owned by this object).
    virtual QPaintDevice* paintDevice() = 0;
    // The box the recording covers, in its coordinates; empty when nothing was drawn.
    virtual QRectF boundingRect() const = 0;
};

}  // namespace VantorRenderer
