#pragma once

#include <QPicture>

#include "application/Export.h"
#include "renderer/IPaintDevice.h"

namespace VantorRenderer {

// A paint device over a QPicture (recorded with the current format): drawing and replaying
// play the picture's commands onto the target painter, so the result stays sharp at every
// zoom. A new QPainter::begin on the device starts a new recording.
class VANTOR_EXPORT PictureDevice : public IPaintDevice {
public:
    PictureDevice();

    void draw(QPainter& painter, const QPointF& at) const override;
    void drawScaled(QPainter& painter, double factor) const override;
    // Nothing is played from a null picture (one never recorded into).
    bool replay(QPainter& painter) const override;
    QPaintDevice* paintDevice() override { return &picture; }
    QRectF boundingRect() const override;

private:
    QPicture picture;
};

}  // namespace VantorRenderer
