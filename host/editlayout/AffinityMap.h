#pragma once

#include <map>
#include <vector>

namespace EditLayout {

// Which feature kinds snap to which, and how strongly. An affinity is directed: `from` is
// the kind of a feature on a moving item, `to` the kind of a feature on a resting item.
// When several alignments are within reach, the one with the highest score wins.
//
// Each affinity carries a `flag`: a bit mask chosen by whoever adds the affinity, which the
// layout does not interpret. It labels the rule that produced an alignment, so the code that
// shows or reacts to a guide can tell, for instance, a top-to-bottom port alignment (one bit)
// from the reverse direction (another bit). The standard rectangle affinities carry flag 0.
class AffinityMap {
public:
    struct Affinity {
        int from = 0;
        int to = 0;
        double score = 0;
        unsigned int flag = 0;

        bool operator==(const Affinity&) const = default;
    };

    // Records that a moving feature of kind `from` snaps to a resting feature of kind `to`
    // with `score` and `flag`. Adding the same (from, to) pair again replaces its score and
    // flag. An affinity with a score <= 0 is kept but never snaps.
    void add(int from, int to, double score, unsigned int flag);

    // The highest score of any affinity in the map; 0 when the map is empty.
    double highestScore() const;

    // The affinity from `from` to `to`, or null when there is none. The pointer is valid
    // until the next `add`.
    const Affinity* find(int from, int to) const;

    // Every affinity whose moving kind is `from`, in the order of their `to` kinds' first
    // addition; empty when there is none. The reference is valid until the next `add`.
    const std::vector<Affinity>& affinitiesFrom(int from) const;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

private:
    std::map<int, std::vector<Affinity>> byFrom_;
    std::size_t size_ = 0;
};

}  // namespace EditLayout
