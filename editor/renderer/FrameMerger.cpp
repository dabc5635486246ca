#include "renderer/FrameMerger.h"

#include <algorithm>
#include <cmath>

namespace VantorRenderer {

namespace {

bool canBePending(const QRectF& r) {
    const bool finite = !std::isnan(r.x()) && !std::isnan(r.y()) && !std::isnan(r.width()) &&
                        !std::isnan(r.height());
    return finite && r.width() > 0 && r.height() > 0;
}

QRectF average(const QRectF& a, const QRectF& b) {
    return QRectF((a.x() + b.x()) / 2, (a.y() + b.y()) / 2, (a.width() + b.width()) / 2,
                  (a.height() + b.height()) / 2);
}

}  // namespace

std::optional<double> FrameMerger::pairWidth(const QRectF& held, const QRectF& rect) {
    const double dx = rect.x() - held.x(), dy = rect.y() - held.y();
    const double dw = rect.width() - held.width(), dh = rect.height() - held.height();
    const bool inward =
        dx >= 0 && dx < 1.5 && dy >= 0 && dy < 1.5 && dw > -3 && dw <= 0 && dh > -3 && dh <= 0;
    if (inward)
        return std::max(1.0, dx + dy);
    const bool outward =
        dx > -1.5 && dx <= 0 && dy > -1.5 && dy <= 0 && dw >= 0 && dw < 3 && dh >= 0 && dh < 3;
    if (outward)
        return std::max(1.0, -(dx + dy));
    return std::nullopt;
}

FrameMerger::Strokes FrameMerger::add(const QRectF& rect) {
    Strokes strokes;
    const std::optional<double> width =
        pending ? pairWidth(*pending, rect) : std::optional<double>();
    if (width) {
        strokes.penWidth = *width;
        strokes.rects = {*pending, average(*pending, rect)};
        pending.reset();
        return strokes;
    }
    if (pending)
        strokes.rects.push_back(*pending);
    pending.reset();
    if (canBePending(rect))
        pending = rect;
    return strokes;
}

std::optional<QRectF> FrameMerger::takePending() {
    std::optional<QRectF> taken = pending;
    pending.reset();
    return taken;
}

}  // namespace VantorRenderer
