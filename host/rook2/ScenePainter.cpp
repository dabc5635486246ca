#include "rook2/ScenePainter.h"

#include <QPainter>
#include <QPen>
#include <cmath>

#include "rook2/LinearPathNode.h"
#include "rook2/NodeRenderer.h"
#include "rook2/QtConversions.h"
#include "rook2/Scene.h"
#include "rook2/ShapeOutline.h"

namespace ROOK2 {

void ScenePainter::paint(QPainter& painter, const PARR::GLRect<double>& exposed, bool partial) {
    painter.save();
    const QTransform base = painter.worldTransform();
    const double zoom = std::sqrt(std::abs(base.determinant()));
    // Cosmetic strokes reach a pixel beyond a node's box whatever the zoom.
    const double margin = zoom > 0.0 ? 2.0 / zoom : 0.0;
    const std::vector<Node*> nodes =
        scene_.nodesIn(exposed.adjusted(-margin, -margin, margin, margin));
    cache_.beginFrame(partial);
    shadows_.beginFrame(partial);
    lastParent_ = nullptr;
    NodeRenderer renderer(painter, cache_, shadows_);
    for (const Node* node : nodes) {
        painter.setWorldTransform(nodeToDevice(*node, base));
        renderer.draw(*node);
    }
    shadows_.endFrame();
    cache_.endFrame();
    lastPainted_ = nodes.size();
    if (selectionFeedback_)
        paintSelection(painter, base);
    painter.restore();
}

QTransform ScenePainter::nodeToDevice(const Node& node, const QTransform& base) {
    const Node* parent = node.getParent();
    if (!parent)
        return toQTransform(node.localToParent()) * base;
    if (parent != lastParent_) {
        lastParent_ = parent;
        lastParentToDevice_ = toQTransform(parent->sceneTransform()) * base;
    }
    return toQTransform(node.localToParent()) * lastParentToDevice_;
}

void ScenePainter::paintSelection(QPainter& painter, const QTransform& base) {
    QPen outline(QColor(0, 120, 215), 0, Qt::DashLine);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Node* node : scene_.getSelection()) {
        if (!node->isVisibleInScene())
            continue;
        const PARR::Transform toScene = node->sceneTransform();
        painter.setWorldTransform(toQTransform(toScene) * base);
        if (const auto* path = dynamic_cast<const LinearPathNode*>(node)) {
            QPen glow(QColor(0, 120, 215, 90), 5.0);
            glow.setCosmetic(true);
            painter.setPen(glow);
            painter.drawPath(ShapeOutline::of(*path));
            continue;
        }
        painter.setPen(outline);
        // The scene measured the outline for its repaint region already; under a transform
        // that only moves, that box is the one to draw (measuring 10,000 blocks' subtrees
        // again at every paint of a Select All took longer than drawing them).
        const bool moves =
            toScene.a() == 1 && toScene.b() == 0 && toScene.c() == 0 && toScene.d() == 1;
        if (const std::optional<PARR::GLRect<double>> box = scene_.selectionOutline(*node);
            box && moves) {
            painter.setWorldTransform(base);
            painter.drawRect(toQRectF(*box));
            continue;
        }
        painter.drawRect(toQRectF(node->getBounds().boundingRect()));
    }
}

}  // namespace ROOK2
