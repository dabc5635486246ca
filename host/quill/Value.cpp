#include "quill/Value.h"

namespace QUILL {

namespace {

struct HeapBytes {
    std::size_t operator()(const std::string& s) const {
        return s.capacity() > 15 ? s.capacity() : 0;
    }
    std::size_t operator()(const PARR::Path& p) const {
        return p.points().capacity() * sizeof(PARR::GLPoint<double>);
    }
    std::size_t operator()(const RefList& l) const { return l.capacity() * sizeof(ObjectId); }
    std::size_t operator()(const StringMap& m) const {
        std::size_t bytes = m.capacity() * sizeof(StringMap::value_type);
        for (const auto& [k, val] : m)
            bytes += (*this)(k) + (*this)(val);
        return bytes;
    }
    template <typename T>
    std::size_t operator()(const T&) const {
        return 0;
    }
};

}  // namespace

const char* kindName(ValueKind kind) {
    switch (kind) {
        case ValueKind::None:
            return "none";
        case ValueKind::Bool:
            return "bool";
        case ValueKind::Int:
            return "int";
        case ValueKind::Double:
            return "double";
        case ValueKind::String:
            return "string";
        case ValueKind::Point:
            return "point";
        case ValueKind::Path:
            return "path";
        case ValueKind::Reference:
            return "reference";
        case ValueKind::ReferenceList:
            return "reference list";
        case ValueKind::StringMap:
            return "string map";
    }
    return "unknown";
}

Value defaultValueOf(ValueKind kind) {
    switch (kind) {
        case ValueKind::None:
            return std::monostate{};
        case ValueKind::Bool:
            return false;
        case ValueKind::Int:
            return std::int64_t{0};
        case ValueKind::Double:
            return 0.0;
        case ValueKind::String:
            return std::string();
        case ValueKind::Point:
            return PARR::GLPoint<double>();
        case ValueKind::Path:
            return PARR::Path();
        case ValueKind::Reference:
            return ObjectRef{};
        case ValueKind::ReferenceList:
            return RefList{};
        case ValueKind::StringMap:
            return StringMap{};
    }
    return std::monostate{};
}

std::size_t heapBytesOf(const Value& v) {
    return std::visit(HeapBytes{}, v);
}

}  // namespace QUILL
