#pragma once

#include <string>

#include "quill/ImmutableType.h"

namespace DOVE2 {

// What the model explorer knows of the icon of one class of objects: the class (an empty
// handle for the default node, which stands for every class without a node of its own), the
// icon file's path, and a tag naming the kind of object ("VT:Block"). A plain value.
struct IconNode {
    QUILL::ImmutableType type;
    std::string name;
    std::string tag;

    bool operator==(const IconNode&) const = default;
};

}  // namespace DOVE2
