#pragma once

#include <cstdint>
#include <shared_mutex>

#include "parr/ErrorHolder.h"
#include "parr/GHash.h"
#include "parr/GList.h"
#include "parr/Holder.h"
#include "parr/MimeType.h"
#include "parr/StringID.h"

namespace PARR {

// The process-wide table of MIME keys and their value types: data may be stored under a key
// (GLMimeData2::setData) only once the key is registered here. Keys are never unregistered.
// Thread-safe: any thread may register and look up at any time.
class MimeRegistry {
public:
    // Error raised when a key is registered again with a type of another name; arguments:
    // the key, the registered type's name, the refused type's name.
    static constexpr const char* kTypeConflict = "PARR_MimeTypeConflict";
    static constexpr std::uint32_t kTypeConflictCode = 0x500001;
    // Error raised when the type handed in is null; argument: the key.
    static constexpr const char* kNoType = "PARR_MimeNoType";
    static constexpr std::uint32_t kNoTypeCode = 0x500002;

    // The one registry; made on first use, lives until the process ends.
    static MimeRegistry& instance();

    MimeRegistry(const MimeRegistry&) = delete;
    MimeRegistry& operator=(const MimeRegistry&) = delete;

    // Registers `key` with `type` and returns true. A key registered again with a type of the
    // same name is accepted and keeps its one entry (and its first type object). Refused,
    // returning false with an error in `errors` (the registry unchanged): a null type, or a
    // key already registered with a type of another name.
    bool registerMimeType(const StringID& key, Holder<MimeType> type, ErrorHolder& errors);
    // The same, dropping the error.
    bool registerMimeType(const StringID& key, Holder<MimeType> type);

    // The type registered for `key`, or a null Holder when the key is not registered.
    Holder<MimeType> typeOf(const StringID& key) const;
    bool isRegistered(const StringID& key) const;
    // The registered keys, in the order of their first registration.
    GList<StringID> keys() const;

private:
    MimeRegistry() = default;

    mutable std::shared_mutex mutex_;
    GHash<StringID, Holder<MimeType>> types_;
};

}  // namespace PARR
