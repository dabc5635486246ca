#pragma once

#include "dove2/Glyph.h"
#include "rook2/OpenLinearPathNode.h"

namespace DOVE2 {

// The framework's generic glyph of a graph edge: a selectable black polyline through the
// edge's points (DI::edgePoints, absolute diagram coordinates), mapped into the frame of
// whatever parent the root is given, so it is drawn in place at any depth.
class PolylineGlyph : public Glyph {
public:
    explicit PolylineGlyph(const DiagramElement& element) : Glyph(element) {}

    // Makes the polyline node in the glyph's scene.
    void create() override;
    // The polyline; empty before `create`.
    PARR::Holder<ROOK2::Node> getRoot() const override { return line_; }
    // Re-reads the edge's points.
    void update() override;

private:
    PARR::Holder<ROOK2::OpenLinearPathNode> line_;
};

}  // namespace DOVE2
