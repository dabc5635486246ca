#pragma once

#include <cstdint>

#include "parr/Holder.h"
#include "rook2/CustomNodePainter.h"
#include "rook2/Node.h"

namespace ROOK2 {

// A node drawn by a CustomNodePainter. The scene painter keeps the drawing as an image at
// device resolution and reuses it until the node asks for a repaint (repaintRequired), gets
// another painter, or the zoom changes. Without a painter it draws nothing.
class CustomNode : public Node {
public:
    CustomNode() = default;
    explicit CustomNode(const PARR::Holder<CustomNodePainter>& painter) : painter_(painter) {}

    void setPainter(const PARR::Holder<CustomNodePainter>& painter);
    const PARR::Holder<CustomNodePainter>& getPainter() const { return painter_; }
    // Declares the drawing out of date: the next repaint calls the painter again.
    void repaintRequired();
    // Grows with every change of the drawing (new painter, repaintRequired).
    std::uint64_t drawingVersion() const { return version_; }

    void accept(NodeVisitor& visitor) const override;
    PARR::GLRect<double> contentRect() const override;

private:
    PARR::Holder<CustomNodePainter> painter_;
    std::uint64_t version_ = 0;
};

}  // namespace ROOK2
