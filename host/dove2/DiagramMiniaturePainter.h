#pragma once

#include "dove2/Diagram.h"
#include "rook2/CustomNodePainter.h"

namespace DOVE2 {

// Draws a diagram's glyphs scaled into a box (the node's own frame): the glyphs are made
// afresh for each paint (a scene and Graphics of their own), so the drawing shows the model
// as it is when painted. The diagram handle's instance must outlive the painter or close
// first (a closed diagram draws nothing).
class DiagramMiniaturePainter : public ROOK2::CustomNodePainter {
public:
    // Blank margin kept inside the box on every side (node units).
    static constexpr double kMargin = 2.0;

    DiagramMiniaturePainter(const ImmutableDiagram& diagram, const PARR::GLRect<double>& box);

    ROOK2::Bounds bounds() const override;
    void paint(QPainter* painter) override;

private:
    ImmutableDiagram diagram_;
    PARR::GLRect<double> box_;
};

}  // namespace DOVE2
