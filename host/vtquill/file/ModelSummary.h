#pragma once

#include <cstddef>
#include <string>

#include "vtquill/VTQuill.h"

namespace VTQUILL::File {

// What a model holds, counted over all its diagrams (top-level and inner ones).
struct ModelSummary {
    std::string name;
    std::size_t diagrams = 0;
    std::size_t blocks = 0;
    std::size_t ports = 0;
    std::size_t lines = 0;
    std::size_t segments = 0;
    std::size_t joints = 0;
    std::size_t terminators = 0;
    std::size_t labels = 0;
    std::size_t annotations = 0;

    static ModelSummary of(const VTQUILL::Model& model);
    // Every element the model holds: the sum of all counts.
    std::size_t elements() const;
    // "\"name\": 3 diagrams, 14 blocks, 9 lines, 13 segments"
    std::string toString() const;
};

}  // namespace VTQUILL::File
