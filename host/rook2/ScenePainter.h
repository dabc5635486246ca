#pragma once

#include <cstddef>

#include "parr/GLRect.h"
#include "rook2/CustomNodeCache.h"

class QPainter;

namespace ROOK2 {

class Node;
class Scene;

// Paints a scene with a QPainter. The painter's world transform maps scene coordinates to
// the device when paint is called (the canvas sets its zoom and scroll that way). Only the
// nodes whose drawn box meets the exposed rectangle are visited (the scene's spatial index),
// in drawing order; selected nodes get a dashed outline of their bounds on top. Custom nodes
// are drawn from this painter's image cache. The scene must outlive the painter.
class ScenePainter {
public:
    explicit ScenePainter(Scene& scene) : scene_(scene) {}

    // Paints everything that meets `exposed` (scene coordinates). The painter's state is
    // restored afterwards.
    void paint(QPainter& painter, const PARR::GLRect<double>& exposed);

    void setSelectionFeedback(bool on) { selectionFeedback_ = on; }
    CustomNodeCache& customNodeCache() { return cache_; }
    // Number of nodes drawn by the last paint.
    std::size_t lastPaintedCount() const { return lastPainted_; }

private:
    void paintSelection(QPainter& painter, const QTransform& base);

    Scene& scene_;
    CustomNodeCache cache_;
    bool selectionFeedback_ = true;
    std::size_t lastPainted_ = 0;
};

}  // namespace ROOK2
