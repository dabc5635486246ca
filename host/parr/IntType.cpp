#include "parr/IntType.h"

namespace PARR {

Holder<MimeType> IntType::Create() {
    return Holder<MimeType>(new IntType);
}

bool IntType::accepts(const MimeValue& value) const {
    return std::holds_alternative<int>(value);
}

}  // namespace PARR
