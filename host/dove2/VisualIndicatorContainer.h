#pragma once

#include <string>
#include <utility>
#include <vector>

#include "parr/Holder.h"
#include "parr/StringID.h"
#include "rook2/Node.h"

namespace DOVE2 {

// The small icons a glyph shows next to its element (a library link, a warning), each
// filed under a key. The indicators are image nodes in one container node, a child of the
// glyph's root, laid out in a row just above the root's origin (root coordinates), in the
// order they were added. A container made for a glyph without root keeps its entries but
// shows nothing. Owned by its glyph (Glyph::createVisualIndicatorContainer).
class VisualIndicatorContainer {
public:
    static constexpr double kIconSize = 12.0;
    static constexpr double kSpacing = 2.0;

    // Indicators under `root` (may be empty: nothing is shown).
    explicit VisualIndicatorContainer(const PARR::Holder<ROOK2::Node>& root);
    VisualIndicatorContainer(const VisualIndicatorContainer&) = delete;
    VisualIndicatorContainer& operator=(const VisualIndicatorContainer&) = delete;
    ~VisualIndicatorContainer();

    // The folder the indicator icons are read from, ending in "/": the resources folder of
    // the installation (TESSEL::fetchTesselRoot() + "/toolbox/shared/ferstudio/resources/").
    static std::string getResourcesDefaultPath();

    // Adds one more indicator under `key` showing the image at `iconPath`. Returns its node.
    PARR::Holder<ROOK2::Node> addIndicator(const PARR::StringID& key, const std::string& iconPath);
    // The indicator nodes under `key`, in the order added; empty when there are none.
    std::vector<PARR::Holder<ROOK2::Node>> getIndicators(const PARR::StringID& key) const;
    // Removes every indicator under `key` (nothing when there is none) and closes the gap.
    void removeIndicator(const PARR::StringID& key);
    // Number of indicators under all keys.
    std::size_t size() const { return entries_.size(); }
    // The node holding the indicator images; empty when the glyph has no root.
    const PARR::Holder<ROOK2::Node>& getNode() const { return node_; }

private:
    void layout();

    PARR::Holder<ROOK2::Node> node_;
    std::vector<std::pair<PARR::StringID, PARR::Holder<ROOK2::Node>>> entries_;
};

}  // namespace DOVE2
