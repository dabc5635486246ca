#pragma once

#include "editlayout/AffinityMap.h"

namespace EditLayout::SmartGuides {

// Scores of the standard rectangle affinities. Centres rank first because centred blocks
// give straight lines between them; equal edges come next; an edge meeting the opposite
// edge (blocks placed flush side by side) ranks last.
inline constexpr double CenterToCenterScore = 3;
inline constexpr double EdgeToSameEdgeScore = 2;
inline constexpr double EdgeToOppositeEdgeScore = 1;

// Adds the standard affinities between rectangle features, all with flag 0:
// Center -> Center (on both axes), Left -> Left, Right -> Right, Top -> Top,
// Bottom -> Bottom, and Left <-> Right, Top <-> Bottom in both directions.
// Existing affinities for these pairs are replaced; others are left alone.
void AddRectangleAffinities(AffinityMap& map);

}  // namespace EditLayout::SmartGuides
