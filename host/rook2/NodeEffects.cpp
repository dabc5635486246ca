#include "rook2/NodeEffects.h"

#include <algorithm>

namespace ROOK2 {

bool NodeEffects::add(const PARR::Holder<Effect>& effect) {
    if (!effect || std::find(effects_.begin(), effects_.end(), effect) != effects_.end())
        return false;
    effects_.push_back(effect);
    return true;
}

bool NodeEffects::remove(const PARR::Holder<Effect>& effect) {
    const auto at = std::find(effects_.begin(), effects_.end(), effect);
    if (at == effects_.end())
        return false;
    effects_.erase(at);
    return true;
}

PARR::GLRect<double> NodeEffects::extendBounds(const PARR::GLRect<double>& box) const {
    PARR::GLRect<double> result = box;
    for (const auto& effect : effects_)
        result = result.united(effect->extendBounds(box));
    return result;
}

}  // namespace ROOK2
