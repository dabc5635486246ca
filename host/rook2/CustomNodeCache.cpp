#include "rook2/CustomNodeCache.h"

#include <QPainter>
#include <cmath>

#include "rook2/CustomNode.h"

namespace ROOK2 {

namespace {

bool sameFraction(double a, double b) {
    return std::abs(a - b) < 1.0 / 64.0;
}

}  // namespace

void CustomNodeCache::paintDirectly(QPainter& painter, const CustomNode& node) {
    painter.save();
    node.getPainter()->paint(&painter);
    painter.restore();
    ++painterCalls_;
}

void CustomNodeCache::draw(QPainter& painter, const CustomNode& node) {
    if (!node.getPainter())
        return;
    const QTransform t = painter.worldTransform();
    const PARR::GLRect<double> b = node.contentRect();
    if (t.m12() != 0.0 || t.m21() != 0.0 || t.m11() <= 0.0 || t.m22() <= 0.0 || b.isEmpty()) {
        paintDirectly(painter, node);
        return;
    }
    const double devX = t.m11() * b.x + t.dx();
    const double devY = t.m22() * b.y + t.dy();
    const double fracX = devX - std::floor(devX), fracY = devY - std::floor(devY);
    const double w = std::ceil(t.m11() * b.width + fracX) + 2;
    const double h = std::ceil(t.m22() * b.height + fracY) + 2;
    if (w * h > double(kMaxImagePixels)) {
        paintDirectly(painter, node);
        return;
    }
    Entry& entry = entries_[&node];
    const bool valid = entry.anchor && *entry.anchor == &node &&
                       entry.version == node.drawingVersion() && entry.bounds == b &&
                       entry.scaleX == t.m11() && entry.scaleY == t.m22() &&
                       sameFraction(entry.fracX, fracX) && sameFraction(entry.fracY, fracY);
    if (!valid) {
        entry.anchor = node.anchor();
        entry.version = node.drawingVersion();
        entry.bounds = b;
        entry.scaleX = t.m11(), entry.scaleY = t.m22();
        entry.fracX = fracX, entry.fracY = fracY;
        entry.image = QImage(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
        render(entry, painter, node);
    }
    entry.lastFrame = frame_;
    painter.save();
    painter.resetTransform();
    painter.drawImage(QPointF(std::floor(devX) - 1, std::floor(devY) - 1), entry.image);
    painter.restore();
}

void CustomNodeCache::render(Entry& entry, QPainter& painter, const CustomNode& node) {
    entry.image.fill(Qt::transparent);
    QPainter into(&entry.image);
    into.setRenderHints(painter.renderHints());
    into.translate(entry.fracX + 1, entry.fracY + 1);
    into.scale(entry.scaleX, entry.scaleY);
    into.translate(-entry.bounds.x, -entry.bounds.y);
    node.getPainter()->paint(&into);
    ++painterCalls_;
}

void CustomNodeCache::endFrame() {
    std::erase_if(entries_, [this](const auto& item) {
        const Entry& e = item.second;
        return !e.anchor || *e.anchor != item.first || e.lastFrame + kFramesKept < frame_;
    });
}

}  // namespace ROOK2
