#pragma once

#include <optional>

#include "parr/Color.h"
#include "parr/Gradient.h"

namespace ROOK2 {

// How the inside of a node is painted: nothing (the default), one colour, or a gradient. A
// gradient with coordinate mode 2 spans the node's own geometry box ((0, 0) its top-left,
// (1, 1) its bottom-right); mode 0 takes its points in the node's own coordinates. A plain
// value.
class Fill {
public:
    Fill() = default;
    explicit Fill(const PARR::Color& color) : color_(color) {}
    explicit Fill(const PARR::Gradient& gradient) : gradient_(gradient) {}

    bool isNone() const { return !color_ && !gradient_; }
    bool isColor() const { return color_.has_value(); }
    bool isGradient() const { return gradient_.has_value(); }
    // The colour of a colour fill; opaque black otherwise.
    PARR::Color color() const { return color_.value_or(PARR::Color()); }
    // The gradient of a gradient fill; an empty gradient otherwise.
    PARR::Gradient gradient() const { return gradient_.value_or(PARR::Gradient()); }

    bool operator==(const Fill&) const = default;

private:
    std::optional<PARR::Color> color_;
    std::optional<PARR::Gradient> gradient_;
};

}  // namespace ROOK2
