#include "rook2/EffectShadow.h"

#include <algorithm>

namespace ROOK2 {

void EffectShadow::setBlurRadius(double radius) {
    blurRadius_ = std::max(0.0, radius);
}

PARR::GLRect<double> EffectShadow::extendBounds(const PARR::GLRect<double>& box) const {
    const PARR::GLRect<double> shadow =
        box.translated(offset_.x, offset_.y)
            .adjusted(-blurRadius_, -blurRadius_, blurRadius_, blurRadius_);
    return box.united(shadow);
}

}  // namespace ROOK2
