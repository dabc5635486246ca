#pragma once

#include <vector>

#include "parr/GLRect.h"
#include "parr/Holder.h"
#include "rook2/Effect.h"

namespace ROOK2 {

// The effects shown with one node, in the order they were added (drawn in that order,
// beneath the node's own content). Holds a reference to each effect. A value: copies share
// the effects, not the list.
class NodeEffects {
public:
    // Adds `effect` unless it is already present or empty; true when added.
    bool add(const PARR::Holder<Effect>& effect);
    // Removes `effect`; true when it was present.
    bool remove(const PARR::Holder<Effect>& effect);
    void clear() { effects_.clear(); }

    bool empty() const { return effects_.empty(); }
    std::size_t size() const { return effects_.size(); }
    const std::vector<PARR::Holder<Effect>>& effects() const { return effects_; }

    // `box` extended by every effect's reach.
    PARR::GLRect<double> extendBounds(const PARR::GLRect<double>& box) const;

    bool operator==(const NodeEffects& o) const { return effects_ == o.effects_; }

private:
    std::vector<PARR::Holder<Effect>> effects_;
};

}  // namespace ROOK2
