#pragma once

#include <cstddef>
#include <string>

namespace VTQUILL::File {

// A place in a JSON document, as a chain of object keys and array indexes
// ("diagrams[0].blocks[3].ports[1].kind"). Cheap to make while walking a document: the chain
// is kept as pointers to the enclosing places and only spelled out when an error needs it.
//
// Lifetime: a place refers to its parent and to its key text; both must outlive it. Make
// child places as locals or as call arguments of the walk that owns the parent.
class JsonPlace {
public:
    // The document itself (spelled as an empty string).
    JsonPlace() = default;

    JsonPlace field(const char* key) const { return JsonPlace(this, key, 0); }
    JsonPlace item(std::size_t index) const { return JsonPlace(this, nullptr, index); }

    // The path from the document root, e.g. "diagrams[0].name".
    std::string toString() const;

private:
    JsonPlace(const JsonPlace* parent, const char* key, std::size_t index)
        : parent_(parent), key_(key), index_(index) {}
    void append(std::string& out) const;

    const JsonPlace* parent_ = nullptr;
    const char* key_ = nullptr;  // null for an array item
    std::size_t index_ = 0;
};

}  // namespace VTQUILL::File
