#pragma once

#include <cstdint>

#include "parr/ErrorHolder.h"
#include "parr/GHash.h"
#include "parr/MimeData2.h"

namespace PARR {

// The studio's MIME data: items stored under keys registered in the MimeRegistry, each item
// checked against its key's registered type when it is set. A plain value besides the
// reference count (a copy starts unreferenced).
class GLMimeData2 : public MimeData2 {
public:
    // Error raised for a key that is not registered; argument: the key.
    static constexpr const char* kKeyNotRegistered = "PARR_MimeKeyNotRegistered";
    static constexpr std::uint32_t kKeyNotRegisteredCode = 0x500003;
    // Error raised for an item of another type than its key's; arguments: the key, the
    // registered type's name, the refused item's type name.
    static constexpr const char* kWrongValueType = "PARR_MimeWrongValueType";
    static constexpr std::uint32_t kWrongValueTypeCode = 0x500004;

    GLMimeData2() = default;
    ~GLMimeData2() override;

    // Stores `value` under `key` (replacing the item there; the key keeps its place in
    // keys()) and returns true. Refused, returning false with an error in `errors` and
    // nothing changed: a key not registered in the MimeRegistry, or a value its registered
    // type does not accept (a text under an "int" key).
    bool setData(const StringID& key, const MimeValue& value, ErrorHolder& errors);
    // The same, dropping the error.
    bool setData(const StringID& key, const MimeValue& value);
    // Removes the item under `key`; false when there was none.
    bool removeData(const StringID& key) { return items_.remove(key); }

    bool hasData(const StringID& key) const override { return items_.contains(key); }
    const MimeValue* data(const StringID& key) const override { return items_.find(key); }
    GList<StringID> keys() const override { return items_.keys(); }

private:
    GHash<StringID, MimeValue> items_;
};

}  // namespace PARR
