#pragma once

#include <string_view>

#include "parr/MimeValue.h"
#include "parr/ReferencedTemplate.h"

namespace PARR {

// The value type registered for a MIME key (MimeRegistry): says which MimeValue items may be
// stored under the key. Immutable once made; reference-counted, held by Holder<MimeType>.
// Two type objects with the same name() describe the same type.
class MimeType : public ReferencedTemplate<unsigned int> {
public:
    ~MimeType() override = default;

    // A short name for messages and comparison ("int", "string").
    virtual std::string_view name() const = 0;
    // True when `value` may be stored under a key of this type.
    virtual bool accepts(const MimeValue& value) const = 0;
};

}  // namespace PARR
