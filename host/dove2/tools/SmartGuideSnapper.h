#pragma once

#include <memory>
#include <vector>

#include "editlayout/AffinityMap.h"
#include "editlayout/Feature.h"
#include "editlayout/GuideLine.h"
#include "editlayout/SmartGuideSolver.h"
#include "editlayout/SnapOptions.h"
#include "parr/GLPoint.h"

namespace EditLayout {
class Item;
}

namespace DOVE2 {

// Snaps the displacement of one move gesture so that the moving items align with resting
// ones (EditLayout::SmartGuideSolver), and keeps the guide lines of the last snap.
//
// The features of both sides are taken once, in `begin`, from the items as they are then (at
// rest): the moving items' layout rectangles may follow a live preview during the gesture,
// and their features are then displaced from where the gesture began. The items must outlive
// the snapper's gesture (until `end` or the next `begin`). Coordinates are absolute diagram
// coordinates.
class SmartGuideSnapper {
public:
    SmartGuideSnapper() = default;
    SmartGuideSnapper(const SmartGuideSnapper&) = delete;
    SmartGuideSnapper& operator=(const SmartGuideSnapper&) = delete;
    ~SmartGuideSnapper();

    // Starts a gesture in which `moving` move and `resting` stay, aligned by `affinities`.
    void begin(const std::vector<const EditLayout::Item*>& resting,
               const std::vector<const EditLayout::Item*>& moving,
               EditLayout::AffinityMap affinities);
    // Ends the gesture: snap gives back what it is given.
    void end();
    // True between begin and end when there is something that moves.
    bool isActive() const { return solver_ && !movingAtRest_.empty(); }

    // The displacement to apply when the gesture asks for `proposed` (from where it began):
    // `proposed`, moved on each axis where a moving feature comes within reach of a resting
    // one. `proposed` itself while not active.
    PARR::GLPoint<double> snap(const PARR::GLPoint<double>& proposed,
                               const EditLayout::SnapOptions& options = {});
    // The guide lines of the last snap (at most one per axis, X first); empty when nothing
    // snapped.
    const std::vector<EditLayout::GuideLine>& guides() const { return guides_; }

private:
    std::unique_ptr<EditLayout::SmartGuideSolver> solver_;
    std::vector<EditLayout::Feature> movingAtRest_;
    std::vector<EditLayout::GuideLine> guides_;
};

}  // namespace DOVE2
