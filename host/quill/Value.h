#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "parr/GLPoint.h"
#include "parr/Path.h"
#include "quill/ObjectId.h"

namespace QUILL {

// A reference from one object to another, by identity. It may dangle once the target is
// destroyed; a handle made from it then tests invalid.
struct ObjectRef {
    ObjectId id = kNoObject;
    bool operator==(const ObjectRef&) const = default;
};
using RefList = std::vector<ObjectId>;
// Ordered name/value pairs (block parameters and the like).
using StringMap = std::vector<std::pair<std::string, std::string>>;

// An attribute value. The alternatives are listed in ValueKind order.
using Value = std::variant<std::monostate, bool, std::int64_t, double, std::string,
                           PARR::GLPoint<double>, PARR::Path, ObjectRef, RefList, StringMap>;

enum class ValueKind {
    None,
    Bool,
    Int,
    Double,
    String,
    Point,
    Path,
    Reference,
    ReferenceList,
    StringMap
};

inline ValueKind kindOf(const Value& v) {
    return static_cast<ValueKind>(v.index());
}
const char* kindName(ValueKind kind);
// The default value of a kind: false, 0, 0.0, "", (0,0), empty path, no object, empty lists.
Value defaultValueOf(ValueKind kind);
// Approximate heap bytes a value owns beyond its own size (for memory accounting).
std::size_t heapBytesOf(const Value& v);

}  // namespace QUILL
