#pragma once

#include <QTransform>
#include <cstddef>

#include "parr/GLRect.h"
#include "rook2/CustomNodeCache.h"
#include "rook2/ShadowImageCache.h"

class QPainter;

namespace ROOK2 {

class Node;
class Scene;

// Paints a scene with a QPainter. The painter's world transform maps scene coordinates to
// the device when paint is called (the canvas sets its zoom and scroll that way). Only the
// nodes whose drawn box meets the exposed rectangle are visited (the scene's spatial index),
// in drawing order; selected nodes get a dashed outline of their bounds on top. Custom nodes
// and shadows are drawn from this painter's image caches; details too small to see at the
// painter's zoom are left out (LodScale). The scene must outlive the painter.
class ScenePainter {
public:
    explicit ScenePainter(Scene& scene) : scene_(scene) {}

    // Paints everything that meets `exposed` (scene coordinates). The painter's state is
    // restored afterwards. `partial`: `exposed` is a changed part of a view painted whole
    // before, which leaves the images of the rest of the view in the caches.
    void paint(QPainter& painter, const PARR::GLRect<double>& exposed, bool partial = false);

    void setSelectionFeedback(bool on) { selectionFeedback_ = on; }
    CustomNodeCache& customNodeCache() { return cache_; }
    ShadowImageCache& shadowImageCache() { return shadows_; }
    // Number of nodes drawn by the last paint.
    std::size_t lastPaintedCount() const { return lastPainted_; }

private:
    void paintSelection(QPainter& painter, const QTransform& base);
    // Node frame -> device. Siblings come one after another in drawing order, so their
    // parent's transform is computed once for all of them.
    QTransform nodeToDevice(const Node& node, const QTransform& base);

    Scene& scene_;
    CustomNodeCache cache_;
    ShadowImageCache shadows_;
    const Node* lastParent_ = nullptr;
    QTransform lastParentToDevice_;
    bool selectionFeedback_ = true;
    std::size_t lastPainted_ = 0;
};

}  // namespace ROOK2
