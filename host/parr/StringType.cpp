#include "parr/StringType.h"

namespace PARR {

Holder<MimeType> StringType::Create() {
    return Holder<MimeType>(new StringType);
}

bool StringType::accepts(const MimeValue& value) const {
    return std::holds_alternative<std::string>(value);
}

}  // namespace PARR
