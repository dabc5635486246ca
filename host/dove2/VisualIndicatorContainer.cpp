#include "dove2/VisualIndicatorContainer.h"

#include <algorithm>

#include "rook2/ContainerNode.h"
#include "rook2/ImageNode.h"
#include "tessel/InstallationFolder.h"

namespace DOVE2 {

VisualIndicatorContainer::VisualIndicatorContainer(const PARR::Holder<ROOK2::Node>& root) {
    if (!root)
        return;
    node_ = PARR::Holder<ROOK2::Node>(new ROOK2::ContainerNode());
    node_->setParent(root);
}

VisualIndicatorContainer::~VisualIndicatorContainer() {
    // The glyph goes first from its scene or together with it; leaving our node would show
    // indicators of a glyph that no longer exists.
    if (node_ && node_->getParent())
        node_->remove();
}

std::string VisualIndicatorContainer::getResourcesDefaultPath() {
    return TESSEL::fetchTesselRoot() + "/toolbox/shared/ferstudio/resources/";
}

PARR::Holder<ROOK2::Node> VisualIndicatorContainer::addIndicator(const PARR::StringID& key,
                                                                 const std::string& iconPath) {
    auto image = PARR::Holder<ROOK2::ImageNode>(new ROOK2::ImageNode(iconPath));
    image->setSize({kIconSize, kIconSize});
    PARR::Holder<ROOK2::Node> node = image;
    if (node_)
        node->setParent(node_);
    entries_.emplace_back(key, node);
    layout();
    return node;
}

std::vector<PARR::Holder<ROOK2::Node>> VisualIndicatorContainer::getIndicators(
    const PARR::StringID& key) const {
    std::vector<PARR::Holder<ROOK2::Node>> found;
    for (const auto& [entryKey, node] : entries_) {
        if (entryKey == key)
            found.push_back(node);
    }
    return found;
}

void VisualIndicatorContainer::removeIndicator(const PARR::StringID& key) {
    for (const auto& [entryKey, node] : entries_) {
        if (entryKey == key && node->getParent())
            node->remove();
    }
    std::erase_if(entries_, [&key](const auto& entry) { return entry.first == key; });
    layout();
}

void VisualIndicatorContainer::layout() {
    double x = 0;
    for (const auto& entry : entries_) {
        entry.second->setPosition({x, -(kIconSize + kSpacing)});
        x += kIconSize + kSpacing;
    }
}

}  // namespace DOVE2
