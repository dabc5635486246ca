#include "rook2/ShadowImageCache.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "rook2/EffectShadow.h"
#include "rook2/QtConversions.h"
#include "rook2/RasterTarget.h"

namespace ROOK2 {

namespace {

// The part of the node's frame the shadow covers: the moved shape, grown by the widest ring.
QRectF reachOf(const QPainterPath& shape, const EffectShadow& shadow) {
    const double blur = shadow.blurRadius();
    return shape.boundingRect()
        .translated(shadow.offset().x, shadow.offset().y)
        .adjusted(-blur, -blur, blur, blur);
}

// Sub-pixel phases in quarter pixels: a soft shadow shifted by less than that looks the same.
double quarterPixel(double v) {
    return std::round((v - std::floor(v)) * 4.0) / 4.0;
}

void append(std::string& key, double v) {
    key.append(reinterpret_cast<const char*>(&v), sizeof v);
}

// Everything the shadow's pixels depend on, with the shape taken relative to its reach.
std::string keyOf(const QPainterPath& shape, const EffectShadow& shadow, const QRectF& reach,
                  const QPainter& painter, double phaseX, double phaseY) {
    const QTransform& t = painter.worldTransform();
    std::string key;
    key.reserve(sizeof(double) * (13 + 3 * std::size_t(shape.elementCount())));
    for (double v : {double(painter.renderHints().toInt()), t.m11(), t.m22(), phaseX, phaseY,
                     shadow.offset().x, shadow.offset().y, shadow.blurRadius(),
                     shadow.color().red(), shadow.color().green(), shadow.color().blue(),
                     shadow.color().alpha(), double(shape.fillRule())})
        append(key, v);
    for (int i = 0; i < shape.elementCount(); ++i) {
        const QPainterPath::Element e = shape.elementAt(i);
        append(key, double(e.type));
        append(key, e.x - reach.x());
        append(key, e.y - reach.y());
    }
    return key;
}

}  // namespace

void ShadowImageCache::paintShadow(QPainter& painter, const QPainterPath& shape,
                                   const EffectShadow& shadow) {
    const QPainterPath moved = shape.translated(shadow.offset().x, shadow.offset().y);
    QColor color = toQColor(shadow.color());
    const int steps = shadow.blurRadius() > 0.0 ? 4 : 0;
    const double alpha = color.alphaF() / (steps + 1);
    color.setAlphaF(float(alpha));
    painter.setBrush(color);
    painter.setPen(Qt::NoPen);
    painter.drawPath(moved);
    // Fading rings around the shape: each wider ring adds less darkness at its edge.
    for (int i = steps; i >= 1; --i) {
        QPen ring(color, 2.0 * shadow.blurRadius() * i / steps);
        ring.setJoinStyle(Qt::RoundJoin);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(moved);
    }
}

void ShadowImageCache::draw(QPainter& painter, const QPainterPath& shape,
                            const EffectShadow& shadow) {
    const QTransform t = painter.worldTransform();
    const QRectF reach = reachOf(shape, shadow);
    const double w = std::ceil(t.m11() * reach.width()) + 3;
    const double h = std::ceil(t.m22() * reach.height()) + 3;
    if (t.m12() != 0.0 || t.m21() != 0.0 || t.m11() <= 0.0 || t.m22() <= 0.0 || reach.isEmpty() ||
        w * h > double(kMaxImagePixels) || !paintsToRaster(painter)) {
        painter.save();
        paintShadow(painter, shape, shadow);
        painter.restore();
        ++renders_;
        return;
    }
    const double devX = t.m11() * reach.x() + t.dx(), devY = t.m22() * reach.y() + t.dy();
    const double phaseX = quarterPixel(devX), phaseY = quarterPixel(devY);
    Entry& entry = entries_[keyOf(shape, shadow, reach, painter, phaseX, phaseY)];
    if (entry.image.isNull()) {
        entry.image = QImage(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
        entry.image.fill(Qt::transparent);
        QPainter into(&entry.image);
        into.setRenderHints(painter.renderHints());
        into.translate(phaseX + 1, phaseY + 1);
        into.scale(t.m11(), t.m22());
        into.translate(-reach.x(), -reach.y());
        paintShadow(into, shape, shadow);
        ++renders_;
    }
    entry.lastFrame = frame_;
    painter.setWorldTransform(QTransform());
    painter.drawImage(QPointF(std::round(devX - phaseX) - 1, std::round(devY - phaseY) - 1),
                      entry.image);
    painter.setWorldTransform(t);
}

void ShadowImageCache::endFrame() {
    if (!sweepDue_)
        return;
    std::erase_if(entries_, [this](const auto& item) {
        return item.second.lastFrame + kFramesKept < frame_;
    });
}

}  // namespace ROOK2
