#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <boost/shared_ptr.hpp>

#include "application/Export.h"
#include "renderer/IPaintDevice.h"

namespace VantorRenderer {

// One recorded drawing layer of a block: a painter (owned) recording into a paint device
// (a new PictureDevice when the layer is made or cleared) and the origin the recording was
// begun at. While recording, the painter is translated by minus the origin, so a primitive
// drawn at the origin is recorded at (0, 0): the block's own frame.
//
// The layer counts the primitives drawn through `drawingPainter` in the current recording
// and the box they cover (pictures do not measure text), so that users can tell an empty
// layer from one that draws something, and how far it reaches.
class VANTOR_EXPORT RenderLayer {
public:
    RenderLayer();
    ~RenderLayer();
    RenderLayer(const RenderLayer&) = delete;
    RenderLayer& operator=(const RenderLayer&) = delete;

    // Starts a new recording at `origin` (x, y), antialiased; a recording still open is ended
    // first.
    void begin(double x, double y);
    // Starts a new recording without moving the origin.
    void beginUntranslated() { begin(0.0, 0.0); }
    // Ends the recording; nothing when none is open.
    void end();
    bool isRecording() const { return painter.isActive(); }
    // Drops the recording: the layer draws nothing until it records again.
    void clear();

    // The recording painter, for setting pens and brushes.
    QPainter& currentPainter() { return painter; }
    // The recording painter, for drawing one primitive (counted) that covers `covered`
    // (painter coordinates; the pen's half width is added around it).
    QPainter& drawingPainter(const QRectF& covered);
    // Primitives drawn in the current (or last) recording.
    int primitiveCount() const { return primitives; }
    bool isEmpty() const { return primitives == 0; }

    // Adds a filled shape drawn into the recording (painter coordinates) to the layer's
    // outline.
    void addShape(const QPainterPath& shape);
    // The filled shapes of the recording united, in the layer's frame; empty when none.
    const QPainterPath& filledShape() const { return shapes; }

    // Plays the recording onto `onto`, then translates `onto` by the layer's origin. False
    // when there is no recording.
    bool replay(QPainter& onto) const;
    // The box the primitives of the recording cover, in the layer's frame; empty when
    // nothing was drawn.
    QRectF boundingRect() const;
    const IPaintDevice& device() const { return *paintDevice; }

private:
    QPainter painter;
    boost::shared_ptr<IPaintDevice> paintDevice;
    double originX = 0.0;
    double originY = 0.0;
    int primitives = 0;
    QRectF covered;
    QPainterPath shapes;
};

}  // namespace VantorRenderer
