#include "editlayout/FeatureIndex.h"

#include <algorithm>
#include <cmath>

namespace EditLayout {

namespace {

bool entryBefore(const FeatureIndex::Entry& a, const FeatureIndex::Entry& b) {
    if (a.coordinate != b.coordinate)
        return a.coordinate < b.coordinate;
    return a.feature < b.feature;
}

bool coordinateBelow(const FeatureIndex::Entry& e, double value) {
    return e.coordinate < value;
}

// Grows `box` (x, y, width, height) to hold `p`.
LayoutRect grown(const LayoutRect& box, const PARR::GLPoint<double>& p) {
    const double l = std::min(box.left(), p.x);
    const double t = std::min(box.top(), p.y);
    const double r = std::max(box.right(), p.x);
    const double b = std::max(box.bottom(), p.y);
    return {l, t, r - l, b - t};
}

}  // namespace

FeatureIndex::FeatureIndex(std::vector<Feature> features) : features_(std::move(features)) {
    fillBuckets();
    computeItemBounds();
}

std::uint64_t FeatureIndex::bucketKey(int kind, Axis axis) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(kind)) << 1) |
           (axis == Axis::Y ? 1u : 0u);
}

void FeatureIndex::fillBuckets() {
    for (std::size_t i = 0; i < features_.size(); ++i) {
        const Feature& f = features_[i];
        for (Axis axis : {Axis::X, Axis::Y}) {
            if (contains(f.axes(), axis) && std::isfinite(f.coordinate(axis)))
                buckets_[bucketKey(f.kind(), axis)].push_back({f.coordinate(axis), i});
        }
    }
    for (auto& [key, bucket] : buckets_)
        std::sort(bucket.begin(), bucket.end(), entryBefore);
}

void FeatureIndex::computeItemBounds() {
    std::unordered_map<const Item*, std::size_t> boxOfItem;
    boundsOfFeature_.reserve(features_.size());
    for (const Feature& f : features_) {
        const PARR::GLPoint<double>& p = f.point();
        auto it = f.item() ? boxOfItem.find(f.item()) : boxOfItem.end();
        if (it == boxOfItem.end()) {
            if (f.item())
                boxOfItem.emplace(f.item(), bounds_.size());
            boundsOfFeature_.push_back(bounds_.size());
            bounds_.emplace_back(p.x, p.y, 0.0, 0.0);
            continue;
        }
        boundsOfFeature_.push_back(it->second);
        bounds_[it->second] = grown(bounds_[it->second], p);
    }
}

const LayoutRect& FeatureIndex::itemBounds(std::size_t feature) const {
    return bounds_[boundsOfFeature_[feature]];
}

std::optional<FeatureIndex::Entry> FeatureIndex::nearest(int kind, Axis axis, double target,
                                                         double tolerance) const {
    auto found = buckets_.find(bucketKey(kind, axis));
    if (found == buckets_.end() || !(tolerance >= 0))
        return std::nullopt;
    const Bucket& bucket = found->second;

    // Entries are sorted by (coordinate, feature), so the first entry of a coordinate is the
    // earliest feature there: look at the first entry at or above the target and at the first
    // entry of the nearest coordinate below it.
    auto atOrAbove = std::lower_bound(bucket.begin(), bucket.end(), target, coordinateBelow);
    std::optional<Entry> above, below;
    if (atOrAbove != bucket.end() && atOrAbove->coordinate - target <= tolerance)
        above = *atOrAbove;
    if (atOrAbove != bucket.begin()) {
        const double coordinate = std::prev(atOrAbove)->coordinate;
        if (target - coordinate <= tolerance)
            below = *std::lower_bound(bucket.begin(), atOrAbove, coordinate, coordinateBelow);
    }
    return closer(above, below, target);
}

std::optional<FeatureIndex::Entry> FeatureIndex::closer(const std::optional<Entry>& a,
                                                        const std::optional<Entry>& b,
                                                        double target) {
    if (!a || !b)
        return a ? a : b;
    const double da = std::abs(a->coordinate - target);
    const double db = std::abs(b->coordinate - target);
    if (da != db)
        return da < db ? a : b;
    return a->feature < b->feature ? a : b;
}

}  // namespace EditLayout
