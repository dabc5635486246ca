#pragma once

#include "parr/Holder.h"
#include "parr/MimeType.h"

namespace PARR {

// The MIME value type "string": keys of this type hold text items.
class StringType : public MimeType {
public:
    // A new StringType object, held.
    static Holder<MimeType> Create();

    std::string_view name() const override { return "string"; }
    bool accepts(const MimeValue& value) const override;
};

}  // namespace PARR
