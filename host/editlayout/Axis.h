#pragma once

#include <cstdint>

namespace EditLayout {

// The diagram axis along which two features are compared. Features aligned on X share an
// x coordinate and are joined by a vertical guide line; features aligned on Y share a y
// coordinate and are joined by a horizontal guide line.
enum class Axis : std::uint8_t { X, Y };

// A set of axes, as bits: the axes a feature kind aligns on.
enum class AxisSet : std::uint8_t { None = 0, X = 1, Y = 2, Both = 3 };

constexpr AxisSet operator&(AxisSet a, AxisSet b) {
    return static_cast<AxisSet>(static_cast<std::uint8_t>(a) & static_cast<std::uint8_t>(b));
}

constexpr bool contains(AxisSet set, Axis axis) {
    const auto bit = axis == Axis::X ? AxisSet::X : AxisSet::Y;
    return (set & bit) != AxisSet::None;
}

}  // namespace EditLayout
