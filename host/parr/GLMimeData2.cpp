#include "parr/GLMimeData2.h"

#include <string>

#include "parr/MimeRegistry.h"

namespace PARR {

GLMimeData2::~GLMimeData2() = default;

bool GLMimeData2::setData(const StringID& key, const MimeValue& value, ErrorHolder& errors) {
    const Holder<MimeType> type = MimeRegistry::instance().typeOf(key);
    if (!type) {
        errors.setError(kKeyNotRegistered, kKeyNotRegisteredCode, {key.str()},
                        {"parr/GLMimeData2", __LINE__});
        return false;
    }
    if (!type->accepts(value)) {
        errors.setError(
            kWrongValueType, kWrongValueTypeCode,
            {key.str(), std::string(type->name()), std::string(mimeValueTypeName(value))},
            {"parr/GLMimeData2", __LINE__});
        return false;
    }
    items_.insertOrAssign(key, value);
    return true;
}

bool GLMimeData2::setData(const StringID& key, const MimeValue& value) {
    // For callers that need only whether the value was taken (see the header).
    ErrorHolder noReason;
    return setData(key, value, noReason);
}

}  // namespace PARR
