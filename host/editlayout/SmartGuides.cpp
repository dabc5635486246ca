#include "editlayout/SmartGuides.h"

#include "editlayout/Feature.h"

namespace EditLayout::SmartGuides {

void AddRectangleAffinities(AffinityMap& map) {
    map.add(Feature::Center, Feature::Center, CenterToCenterScore, 0);

    for (int edge : {Feature::Top, Feature::Left, Feature::Bottom, Feature::Right})
        map.add(edge, edge, EdgeToSameEdgeScore, 0);

    map.add(Feature::Left, Feature::Right, EdgeToOppositeEdgeScore, 0);
    map.add(Feature::Right, Feature::Left, EdgeToOppositeEdgeScore, 0);
    map.add(Feature::Top, Feature::Bottom, EdgeToOppositeEdgeScore, 0);
    map.add(Feature::Bottom, Feature::Top, EdgeToOppositeEdgeScore, 0);
}

}  // namespace EditLayout::SmartGuides
