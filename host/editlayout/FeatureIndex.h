#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "editlayout/Axis.h"
#include "editlayout/Feature.h"
#include "editlayout/LayoutRect.h"

namespace EditLayout {

// The features of the resting items, sorted per (kind, axis) by coordinate so that the
// feature of a kind nearest to a coordinate is found in O(log n). Built once per move
// gesture; immutable afterwards. Features are copied; their items are not owned and must
// outlive the index.
class FeatureIndex {
public:
    struct Entry {
        double coordinate = 0;
        std::size_t feature = 0;  // position in `features()`
    };

    // Features whose coordinate on an axis is not finite are left out of that axis.
    explicit FeatureIndex(std::vector<Feature> features);

    const std::vector<Feature>& features() const { return features_; }

    // The bounding box, in diagram coordinates, of every indexed feature that shares the
    // item of feature `feature` (a feature with no item is its own, point-sized, box).
    const LayoutRect& itemBounds(std::size_t feature) const;

    // The feature of `kind` on `axis` whose coordinate is nearest to `target`, at most
    // `tolerance` away; of equally near ones, the one earliest in `features()`. Nothing
    // when no such feature exists.
    std::optional<Entry> nearest(int kind, Axis axis, double target, double tolerance) const;

private:
    using Bucket = std::vector<Entry>;

    static std::uint64_t bucketKey(int kind, Axis axis);
    void fillBuckets();
    void computeItemBounds();
    static std::optional<Entry> closer(const std::optional<Entry>& a, const std::optional<Entry>& b,
                                       double target);

    std::vector<Feature> features_;
    std::unordered_map<std::uint64_t, Bucket> buckets_;
    std::vector<LayoutRect> bounds_;            // one per distinct item (or item-less feature)
    std::vector<std::size_t> boundsOfFeature_;  // feature position -> index into bounds_
};

}  // namespace EditLayout
