#include "rook2/CustomNodeCache.h"

#include <QPainter>
#include <cmath>

#include "rook2/CustomNode.h"
#include "rook2/RasterTarget.h"

namespace ROOK2 {

namespace {

bool sameFraction(double a, double b) {
    return std::abs(a - b) < 1.0 / 64.0;
}

bool joinsRun(const Node& sibling, const PARR::Transform& placement) {
    const auto* custom = dynamic_cast<const CustomNode*>(&sibling);
    return custom && custom->getPainter() && sibling.isVisible() && sibling.getChildren().empty() &&
           sibling.getEffects().empty() && sibling.localToParent() == placement;
}

}  // namespace

void CustomNodeCache::paintDirectly(QPainter& painter, const CustomNode& node) {
    painter.save();
    node.getPainter()->paint(&painter);
    painter.restore();
    ++painterCalls_;
}

std::vector<CustomNodeCache::Drawn> CustomNodeCache::runOf(const CustomNode& node) {
    std::vector<Drawn> run{{&node, node.anchor(), node.drawingVersion(), node.contentRect()}};
    const Node* parent = node.getParent();
    if (!parent || !node.getChildren().empty())
        return run;
    const auto& siblings = parent->getChildren();
    auto at = siblings.begin();
    while (at != siblings.end() && at->get() != &node)
        ++at;
    const PARR::Transform placement = node.localToParent();
    for (++at; at != siblings.end() && joinsRun(**at, placement); ++at) {
        const auto* next = static_cast<const CustomNode*>(at->get());
        run.push_back({next, next->anchor(), next->drawingVersion(), next->contentRect()});
    }
    return run;
}

// A run member outside the exposed area is never asked for: the next one asked may lie
// further along the run.
bool CustomNodeCache::skipComposited(const CustomNode& node, const QTransform& t) {
    if (t == compositedAt_) {
        for (std::size_t i = nextComposited_; i < composited_.size(); ++i) {
            if (composited_[i] == &node) {
                nextComposited_ = i + 1;
                return true;
            }
        }
    }
    composited_.clear();
    nextComposited_ = 0;
    return false;
}

void CustomNodeCache::draw(QPainter& painter, const CustomNode& node) {
    if (!node.getPainter())
        return;
    const QTransform t = painter.worldTransform();
    if (skipComposited(node, t))
        return;
    std::vector<Drawn> run = runOf(node);
    PARR::GLRect<double> b;
    for (const Drawn& d : run)
        b = b.united(d.bounds);
    if (t.m12() != 0.0 || t.m21() != 0.0 || t.m11() <= 0.0 || t.m22() <= 0.0 || b.isEmpty() ||
        !paintsToRaster(painter)) {
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
    const bool valid = entry.drawn == run && entry.scaleX == t.m11() && entry.scaleY == t.m22() &&
                       sameFraction(entry.fracX, fracX) && sameFraction(entry.fracY, fracY);
    if (!valid) {
        entry.drawn = std::move(run);
        entry.bounds = b;
        entry.scaleX = t.m11(), entry.scaleY = t.m22();
        entry.fracX = fracX, entry.fracY = fracY;
        entry.image = QImage(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
        render(entry, painter);
    }
    entry.lastFrame = frame_;
    for (std::size_t i = 1; i < entry.drawn.size(); ++i)
        composited_.push_back(entry.drawn[i].node);
    compositedAt_ = t;
    // Only the transformation changes here: keeping it is much cheaper than a whole
    // save/restore of the painter's state, and this runs for every visible node each frame.
    painter.setWorldTransform(QTransform());
    painter.drawImage(QPointF(std::floor(devX) - 1, std::floor(devY) - 1), entry.image);
    painter.setWorldTransform(t);
}

void CustomNodeCache::render(Entry& entry, QPainter& painter) {
    entry.image.fill(Qt::transparent);
    QPainter into(&entry.image);
    into.setRenderHints(painter.renderHints());
    into.translate(entry.fracX + 1, entry.fracY + 1);
    into.scale(entry.scaleX, entry.scaleY);
    into.translate(-entry.bounds.x, -entry.bounds.y);
    for (const Drawn& d : entry.drawn) {
        into.save();
        d.node->getPainter()->paint(&into);
        into.restore();
        ++painterCalls_;
    }
}

void CustomNodeCache::endFrame() {
    if (!sweepDue_)
        return;
    std::erase_if(entries_, [this](const auto& item) {
        const Entry& e = item.second;
        for (const Drawn& d : e.drawn) {
            if (!d.anchor || *d.anchor != d.node)
                return true;
        }
        return e.lastFrame + kFramesKept < frame_;
    });
}

}  // namespace ROOK2
