#include "editlayout/SmartGuideSolver.h"

#include <algorithm>
#include <cmath>

#include "editlayout/Item.h"

namespace EditLayout {

namespace {

// The extent along the guide (y for an X guide, x for a Y guide) of a box.
struct Span {
    double low;
    double high;
};

Span spanAcross(const LayoutRect& box, Axis axis) {
    return axis == Axis::X ? Span{box.top(), box.bottom()} : Span{box.left(), box.right()};
}

Span spanAcross(const PARR::GLPoint<double>& p, Axis axis) {
    return axis == Axis::X ? Span{p.y, p.y} : Span{p.x, p.x};
}

Span united(const Span& a, const Span& b) {
    return {std::min(a.low, b.low), std::max(a.high, b.high)};
}

// The span of every moving feature on the same item as `feature` (the feature alone when it
// has no item), moved by `correction`.
Span movingItemSpan(const Feature& feature, const std::vector<Feature>& moving, Axis axis,
                    const PARR::GLPoint<double>& correction) {
    Span span = spanAcross(feature.point() + correction, axis);
    if (!feature.item())
        return span;
    for (const Feature& f : moving) {
        if (f.item() == feature.item())
            span = united(span, spanAcross(f.point() + correction, axis));
    }
    return span;
}

}  // namespace

SmartGuideSolver::SmartGuideSolver(std::vector<Feature> resting, AffinityMap affinities)
    : index_(std::move(resting)), affinities_(std::move(affinities)) {}

std::vector<Feature> SmartGuideSolver::featuresOf(const std::vector<const Item*>& items, double dx,
                                                  double dy) {
    std::vector<Feature> features;
    for (const Item* item : items) {
        for (const Feature& f : item->features(dx, dy))
            features.push_back(f);
    }
    return features;
}

SnapResult SmartGuideSolver::solve(const std::vector<Feature>& moving,
                                   const PARR::GLPoint<double>& proposed,
                                   const SnapOptions& options) const {
    const double tolerance = options.toleranceInDiagramUnits();
    const std::optional<Match> x = bestMatch(moving, Axis::X, tolerance);
    const std::optional<Match> y = bestMatch(moving, Axis::Y, tolerance);

    // Both axes must be settled before drawing guides: a guide spans the moving item at its
    // final place, which depends on the snap along the other axis too.
    const PARR::GLPoint<double> correction(x ? x->offset : 0.0, y ? y->offset : 0.0);
    SnapResult result;
    result.delta = proposed + correction;
    result.snappedX = x.has_value();
    result.snappedY = y.has_value();
    if (x)
        result.guides.push_back(guideFor(*x, Axis::X, moving, correction));
    if (y)
        result.guides.push_back(guideFor(*y, Axis::Y, moving, correction));
    return result;
}

std::optional<SmartGuideSolver::Match> SmartGuideSolver::bestMatch(
    const std::vector<Feature>& moving, Axis axis, double tolerance) const {
    std::optional<Match> best;
    for (std::size_t i = 0; i < moving.size(); ++i) {
        const std::optional<Match> candidate = bestMatchFor(moving[i], i, axis, tolerance);
        if (candidate && (!best || ranksBefore(*candidate, *best)))
            best = candidate;
    }
    return best;
}

std::optional<SmartGuideSolver::Match> SmartGuideSolver::bestMatchFor(const Feature& feature,
                                                                      std::size_t position,
                                                                      Axis axis,
                                                                      double tolerance) const {
    if (!contains(feature.axes(), axis))
        return std::nullopt;
    const double coordinate = feature.coordinate(axis);
    std::optional<Match> best;
    for (const AffinityMap::Affinity& affinity : affinities_.affinitiesFrom(feature.kind())) {
        if (affinity.score <= 0 || !contains(Feature::axesOf(affinity.to), axis))
            continue;
        const auto entry = index_.nearest(affinity.to, axis, coordinate, tolerance);
        if (!entry)
            continue;
        const Match candidate{position, entry->feature, entry->coordinate - coordinate,
                              affinity.score, affinity.flag};
        if (!best || ranksBefore(candidate, *best))
            best = candidate;
    }
    return best;
}

bool SmartGuideSolver::ranksBefore(const Match& a, const Match& b) {
    if (a.score != b.score)
        return a.score > b.score;
    const double da = std::abs(a.offset);
    const double db = std::abs(b.offset);
    if (da != db)
        return da < db;
    if (a.resting != b.resting)
        return a.resting < b.resting;
    return a.moving < b.moving;
}

GuideLine SmartGuideSolver::guideFor(const Match& match, Axis axis,
                                     const std::vector<Feature>& moving,
                                     const PARR::GLPoint<double>& correction) const {
    const Feature& movingFeature = moving[match.moving];
    const Feature& restingFeature = index_.features()[match.resting];
    const Span span = united(movingItemSpan(movingFeature, moving, axis, correction),
                             spanAcross(index_.itemBounds(match.resting), axis));
    const double at = restingFeature.coordinate(axis);

    GuideLine guide;
    guide.axis = axis;
    guide.from =
        axis == Axis::X ? PARR::GLPoint<double>(at, span.low) : PARR::GLPoint<double>(span.low, at);
    guide.to = axis == Axis::X ? PARR::GLPoint<double>(at, span.high)
                               : PARR::GLPoint<double>(span.high, at);
    guide.moving =
        Feature(movingFeature.item(), movingFeature.kind(), movingFeature.point() + correction);
    guide.resting = restingFeature;
    guide.score = match.score;
    guide.flag = match.flag;
    return guide;
}

}  // namespace EditLayout
