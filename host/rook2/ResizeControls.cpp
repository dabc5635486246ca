#include "rook2/ResizeControls.h"

#include <algorithm>
#include <vector>

#include "rook2/ResizeHandle.h"

namespace ROOK2 {

namespace {

std::vector<ResizeHandle*> handlesOf(const Node& node) {
    std::vector<ResizeHandle*> handles;
    // Handles are control nodes: the flag spares the cast for the node's other children.
    for (const auto& child : node.getChildren()) {
        if (!child->isControl())
            continue;
        if (auto* handle = dynamic_cast<ResizeHandle*>(child.get()))
            handles.push_back(handle);
    }
    return handles;
}

// Whether the node's last children are its handles.
bool handlesOnTop(const Node& node, const std::vector<ResizeHandle*>& handles) {
    const auto& children = node.getChildren();
    if (children.size() < handles.size())
        return false;
    for (std::size_t i = children.size() - handles.size(); i < children.size(); ++i) {
        if (std::find(handles.begin(), handles.end(), children[i].get()) == handles.end())
            return false;
    }
    return true;
}

}  // namespace

void ResizeControls::installCornerResizeControls(Node& node) {
    std::vector<ResizeHandle*> handles = handlesOf(node);
    if (handles.empty()) {
        for (int corner = 0; corner < 4; ++corner) {
            PARR::Holder<ResizeHandle> handle(
                new ResizeHandle(static_cast<ResizeHandler::Corner>(corner)));
            handle->setParent(&node);
            handles.push_back(handle.get());
        }
    }
    const PARR::GLRect<double> box = node.contentRect();
    for (ResizeHandle* handle : handles)
        handle->placeOn(box);
    // Handles are drawn over the node's other children. A node updated at every step of a drag
    // keeps them on top already: bringing them up again would renumber the scene each step.
    if (!handlesOnTop(node, handles)) {
        for (ResizeHandle* handle : handles)
            handle->toTop();
    }
}

void ResizeControls::removeResizeControls(Node& node) {
    for (ResizeHandle* handle : handlesOf(node))
        handle->remove();
}

int ResizeControls::countResizeControls(const Node& node) {
    return static_cast<int>(handlesOf(node).size());
}

}  // namespace ROOK2
