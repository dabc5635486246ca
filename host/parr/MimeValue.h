#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace PARR {

// One item of MIME data: an integer or a text.
using MimeValue = std::variant<int, std::string>;

// The name of the kind of value `v` holds, as MimeType::name() spells it: "int" or "string".
inline std::string_view mimeValueTypeName(const MimeValue& v) {
    return std::holds_alternative<int>(v) ? "int" : "string";
}

}  // namespace PARR
