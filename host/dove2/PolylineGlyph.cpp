#include "dove2/PolylineGlyph.h"

#include <vector>

#include "dove2/DI.h"
#include "rook2/Scene.h"
#include "rook2/Stroke.h"

namespace DOVE2 {

void PolylineGlyph::create() {
    if (!getScene())
        return;
    line_ = getScene()->createNode<ROOK2::OpenLinearPathNode>();
    line_->setStroke(ROOK2::Stroke(PARR::Color(0, 0, 0, 1), 0, 1, 0, 0));
    line_->setSelectable(true);
}

void PolylineGlyph::update() {
    if (!line_ || !diagramElement().isValid())
        return;
    std::vector<PARR::GLPoint<double>> points = DI::edgePoints(diagramElement());
    // Scene coordinates are absolute diagram coordinates; the node's own frame is that of
    // its parent, shifted by its position (kept at the origin).
    line_->setPosition({0, 0});
    if (const ROOK2::Node* parent = line_->getParent()) {
        for (PARR::GLPoint<double>& p : points)
            p = parent->mapFromScene(p);
    }
    line_->setPoints(points);
}

}  // namespace DOVE2
