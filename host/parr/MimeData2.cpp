#include "parr/MimeData2.h"

namespace PARR {

MimeData2::~MimeData2() = default;

std::optional<int> MimeData2::getInt(const StringID& key) const {
    const MimeValue* v = data(key);
    if (!v || !std::holds_alternative<int>(*v))
        return std::nullopt;
    return std::get<int>(*v);
}

std::optional<std::string> MimeData2::getString(const StringID& key) const {
    const MimeValue* v = data(key);
    if (!v || !std::holds_alternative<std::string>(*v))
        return std::nullopt;
    return std::get<std::string>(*v);
}

}  // namespace PARR
