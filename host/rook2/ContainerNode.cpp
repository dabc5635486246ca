#include "rook2/ContainerNode.h"

#include "rook2/NodeVisitor.h"

namespace ROOK2 {

void ContainerNode::accept(NodeVisitor& visitor) const {
    visitor.visit(*this);
}

}  // namespace ROOK2
