#include "rook2/ResizeControls.h"

#include <vector>

#include "rook2/ResizeHandle.h"

namespace ROOK2 {

namespace {

std::vector<ResizeHandle*> handlesOf(const Node& node) {
    std::vector<ResizeHandle*> handles;
    for (const auto& child : node.getChildren()) {
        if (auto* handle = dynamic_cast<ResizeHandle*>(child.get()))
            handles.push_back(handle);
    }
    return handles;
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
    for (ResizeHandle* handle : handles) {
        handle->placeOn(box);
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
