#pragma once

#include "parr/Holder.h"
#include "parr/MimeType.h"

namespace PARR {

// The MIME value type "int": keys of this type hold integer items.
class IntType : public MimeType {
public:
    // A new IntType object, held.
    static Holder<MimeType> Create();

    std::string_view name() const override { return "int"; }
    bool accepts(const MimeValue& value) const override;
};

}  // namespace PARR
