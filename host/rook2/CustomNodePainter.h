#pragma once

#include <QPainterPath>

#include "parr/ReferencedTemplate.h"
#include "rook2/Bounds.h"

class QPainter;

namespace ROOK2 {

// The drawing of a CustomNode, supplied by its user. Reference counted: the node holds its
// painter. All geometry is in the node's own frame.
class CustomNodePainter : public PARR::ReferencedTemplate<unsigned int> {
public:
    ~CustomNodePainter() override = default;

    // The box the drawing stays inside.
    virtual Bounds bounds() const = 0;
    // The outline used for hit testing and selection feedback. Default: the bounds' box.
    virtual QPainterPath getStrokedOutline() const;
    // Draws onto `painter`, which is set up in the node's frame. The painter's state may be
    // changed freely; the caller restores it afterwards.
    virtual void paint(QPainter* painter) = 0;
    // Draws the node's coverage in opaque black (for masks and shadows). Default: fills the
    // stroked outline.
    virtual void paintMask(QPainter* painter);
};

}  // namespace ROOK2
