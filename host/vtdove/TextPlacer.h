#pragma once

#include <QPointF>
#include <QRectF>
#include <cstdint>

class QPainter;
class QString;

namespace VantorRenderer {

// Places the engine's text: aligned on a point with the painter's font metrics, optionally
// rotated about the painter's origin.
class TextPlacer {
public:
    // Qt alignment flags of the engine's values. Horizontal: 0 left, 1 centred, 2 right.
    // Vertical: 0 and 1 top, 2 centred, 3 and 4 bottom. Other values add no flag.
    static int alignmentFlags(std::uint32_t hAlign, std::uint32_t vAlign);
    // The point that a painter turned by -degrees must draw at so that the text lands on
    // `point` of the unturned frame: (x cos t - y sin t, x sin t + y cos t); `point` itself
    // at 0 degrees.
    static QPointF rotatedAnchor(const QPointF& point, double degrees);
    struct Placement {
        // The text's box in the frame turned by -degrees.
        QRectF box;
        int flags = 0;
        double degrees = 0.0;
        // The box in the painter's own (unturned) frame.
        QRectF unturnedBox() const;
    };
    // Where `text` goes on `painter` (measured with its font) at `point`, turned by -degrees,
    // with the alignment given. Vertical value 4 puts the text below the descent (anchor
    // moved down by descent + 1), value 0 above the baseline (anchor moved up by the ascent).
    static Placement place(QPainter& painter, const QString& text, const QPointF& point,
                           double degrees, std::uint32_t hAlign, std::uint32_t vAlign);
    // Draws `text` where `placement` says. The painter's transformation is as before
    // afterwards.
    static void draw(QPainter& painter, const QString& text, const Placement& placement);
};

}  // namespace VantorRenderer
