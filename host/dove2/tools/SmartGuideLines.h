#pragma once

#include <cstddef>
#include <vector>

#include "editlayout/GuideLine.h"
#include "parr/Holder.h"
#include "rook2/OpenLinearPathNode.h"

namespace ROOK2 {
class Scene;
}

namespace DOVE2 {

// Draws the guide lines of a smart-guide alignment while a gesture runs: one thin dashed line
// per guide, in scene coordinates, on top of the diagram; not selectable, so hit testing
// passes through. Each show replaces the lines shown before; they are removed by clear() and
// when the object goes. The scene must outlive the lines it shows.
class SmartGuideLines {
public:
    SmartGuideLines() = default;
    SmartGuideLines(const SmartGuideLines&) = delete;
    SmartGuideLines& operator=(const SmartGuideLines&) = delete;
    ~SmartGuideLines();

    void show(ROOK2::Scene& scene, const std::vector<EditLayout::GuideLine>& guides);
    void clear();
    std::size_t count() const { return lines_.size(); }
    // The line nodes shown, in the order of the guides.
    const std::vector<PARR::Holder<ROOK2::OpenLinearPathNode>>& lines() const { return lines_; }

private:
    std::vector<PARR::Holder<ROOK2::OpenLinearPathNode>> lines_;
};

}  // namespace DOVE2
