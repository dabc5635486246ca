#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "editlayout/AffinityMap.h"
#include "editlayout/FeatureIndex.h"
#include "editlayout/SnapOptions.h"
#include "editlayout/SnapResult.h"

namespace EditLayout {

class Item;

// Snaps the displacement of a moving set of items so that their features align with those
// of the resting items, and says which guide lines to show. Built once per move gesture from
// the resting items' features and the gesture's affinities; each drag step then calls
// `solve`, which costs O(moving features x affinities per kind x log(resting features)).
//
// Per axis, independently, the best alignment is the (moving feature, resting feature) pair
// that an affinity links, whose coordinates on that axis differ by at most the tolerance,
// and that ranks first by: higher affinity score, then smaller distance, then the resting
// feature earlier in the resting list (items given earlier come first when the list is
// built item by item), then the moving feature earlier in the moving list. An affinity acts
// on the axes that both of its kinds align on (Feature::axesOf); one with score <= 0 never
// snaps. All coordinates are absolute diagram coordinates.
class SmartGuideSolver {
public:
    // `resting` are the features of the items that stay put (never those of the moving
    // items); their items must outlive the solver. The affinity map is copied.
    SmartGuideSolver(std::vector<Feature> resting, AffinityMap affinities);

    // The features of `items`, each displaced by (dx, dy), item after item in the given order.
    static std::vector<Feature> featuresOf(const std::vector<const Item*>& items, double dx,
                                           double dy);

    // Snaps `proposed`, the displacement at which `moving` (the moving items' features,
    // already displaced by it) were taken. With nothing in reach the result is `proposed`
    // with no guides.
    SnapResult solve(const std::vector<Feature>& moving, const PARR::GLPoint<double>& proposed,
                     const SnapOptions& options = {}) const;

    const FeatureIndex& index() const { return index_; }
    const AffinityMap& affinities() const { return affinities_; }

private:
    struct Match {
        std::size_t moving = 0;
        std::size_t resting = 0;
        double offset = 0;  // resting coordinate - moving coordinate
        double score = 0;
        unsigned int flag = 0;
    };

    std::optional<Match> bestMatch(const std::vector<Feature>& moving, Axis axis,
                                   double tolerance) const;
    std::optional<Match> bestMatchFor(const Feature& feature, std::size_t position, Axis axis,
                                      double tolerance) const;
    static bool ranksBefore(const Match& a, const Match& b);
    GuideLine guideFor(const Match& match, Axis axis, const std::vector<Feature>& moving,
                       const PARR::GLPoint<double>& correction) const;

    FeatureIndex index_;
    AffinityMap affinities_;
};

}  // namespace EditLayout
