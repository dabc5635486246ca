#pragma once

#include <QPainterPath>

#include "rook2/NodeVisitor.h"

namespace ROOK2 {

class Node;

// The outline of a node's own shape as a QPainterPath in the node's frame: what a shadow
// copies and what selection feedback traces. Empty for a container.
class ShapeOutline : public NodeVisitor {
public:
    static QPainterPath of(const Node& node);

    void visit(const ContainerNode& node) override;
    void visit(const RectNode& node) override;
    void visit(const RoundedRectNode& node) override;
    void visit(const EllipseNode& node) override;
    void visit(const LinearPathNode& node) override;
    void visit(const TextNode& node) override;
    void visit(const ImageNode& node) override;
    void visit(const CustomNode& node) override;

private:
    QPainterPath path_;
};

}  // namespace ROOK2
