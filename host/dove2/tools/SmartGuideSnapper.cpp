#include "dove2/tools/SmartGuideSnapper.h"

#include <utility>

#include "editlayout/Item.h"

namespace DOVE2 {

SmartGuideSnapper::~SmartGuideSnapper() = default;

void SmartGuideSnapper::begin(const std::vector<const EditLayout::Item*>& resting,
                              const std::vector<const EditLayout::Item*>& moving,
                              EditLayout::AffinityMap affinities) {
    guides_.clear();
    movingAtRest_ = EditLayout::SmartGuideSolver::featuresOf(moving, 0, 0);
    solver_ = std::make_unique<EditLayout::SmartGuideSolver>(
        EditLayout::SmartGuideSolver::featuresOf(resting, 0, 0), std::move(affinities));
}

void SmartGuideSnapper::end() {
    solver_.reset();
    movingAtRest_.clear();
    guides_.clear();
}

PARR::GLPoint<double> SmartGuideSnapper::snap(const PARR::GLPoint<double>& proposed,
                                              const EditLayout::SnapOptions& options) {
    guides_.clear();
    if (!isActive())
        return proposed;
    std::vector<EditLayout::Feature> moving;
    moving.reserve(movingAtRest_.size());
    for (const EditLayout::Feature& f : movingAtRest_)
        moving.emplace_back(f.item(), f.kind(), f.point() + proposed);
    EditLayout::SnapResult result = solver_->solve(moving, proposed, options);
    guides_ = std::move(result.guides);
    return result.delta;
}

}  // namespace DOVE2
