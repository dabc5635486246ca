#pragma once

#include <QRectF>
#include <optional>
#include <vector>

#include "application/Export.h"

namespace VantorRenderer {

// Turns the engine's thick frames, drawn as two nested rectangles about a unit apart, into
// strokes of the matching width. One rectangle is held back (pending) until the next one
// shows whether it is half of a pair.
//
// A rectangle R pairs with the pending P when it lies just inside P (0 <= dx, dy < 1.5,
// -3 < dw, dh <= 0: stroke width dx + dy) or just outside it (-1.5 < dx, dy <= 0,
// 0 <= dw, dh < 3: stroke width -(dx + dy)), widths at least 1. A pair draws P and the
// average of P and R with that width and leaves nothing pending; otherwise P is drawn with
// width 1 and R becomes pending. A rectangle with a non-positive size or a NaN is never
// pending.
class VANTOR_EXPORT FrameMerger {
public:
    struct Strokes {
        // What to draw now, in order, each with `penWidth`.
        std::vector<QRectF> rects;
        double penWidth = 1.0;
    };

    // Takes the engine's next frame rectangle.
    Strokes add(const QRectF& rect);
    // The pending rectangle, which is no longer pending afterwards; none when there is none.
    std::optional<QRectF> takePending();
    bool hasPending() const { return pending.has_value(); }

private:
    // The stroke width when `rect` pairs with `held`; none when it does not.
    static std::optional<double> pairWidth(const QRectF& held, const QRectF& rect);

    std::optional<QRectF> pending;
};

}  // namespace VantorRenderer
