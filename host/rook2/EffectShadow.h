#pragma once

#include "parr/Color.h"
#include "parr/GLPoint.h"
#include "rook2/Effect.h"

namespace ROOK2 {

// A soft drop shadow under a node's shape: the shape, shifted by `offset` (node units), in
// `color`, fading out over `blurRadius` units. Defaults: offset (3, 3), blur 4, black at
// 30 % opacity.
class EffectShadow : public Effect {
public:
    EffectShadow() = default;

    const PARR::GLPoint<double>& offset() const { return offset_; }
    void setOffset(const PARR::GLPoint<double>& offset) { offset_ = offset; }
    double blurRadius() const { return blurRadius_; }
    // Values below 0 count as 0 (a hard shadow).
    void setBlurRadius(double radius);
    const PARR::Color& color() const { return color_; }
    void setColor(const PARR::Color& color) { color_ = color; }

    PARR::GLRect<double> extendBounds(const PARR::GLRect<double>& box) const override;

private:
    PARR::GLPoint<double> offset_{3.0, 3.0};
    double blurRadius_ = 4.0;
    PARR::Color color_{0.0, 0.0, 0.0, 0.3};
};

}  // namespace ROOK2
