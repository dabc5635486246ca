#pragma once

namespace ROOK2 {

class ContainerNode;
class RectNode;
class RoundedRectNode;
class EllipseNode;
class LinearPathNode;
class TextNode;
class ImageNode;
class CustomNode;

// Double dispatch over the node kinds (Node::accept): the painter draws each kind with its
// own visit. Open and closed polylines both arrive as LinearPathNode (isClosed tells them
// apart).
class NodeVisitor {
public:
    virtual ~NodeVisitor() = default;
    virtual void visit(const ContainerNode& node) = 0;
    virtual void visit(const RectNode& node) = 0;
    virtual void visit(const RoundedRectNode& node) = 0;
    virtual void visit(const EllipseNode& node) = 0;
    virtual void visit(const LinearPathNode& node) = 0;
    virtual void visit(const TextNode& node) = 0;
    virtual void visit(const ImageNode& node) = 0;
    virtual void visit(const CustomNode& node) = 0;
};

}  // namespace ROOK2
