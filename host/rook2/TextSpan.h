#pragma once

#include <cstddef>

#include "parr/Color.h"

namespace ROOK2 {

// A run of characters of a text drawn in one colour and weight: bytes [start, start +
// length) of the UTF-8 text.
struct TextSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    PARR::Color color;
    bool bold = false;

    bool operator==(const TextSpan&) const = default;
};

}  // namespace ROOK2
