#pragma once

#include <cstdint>
#include <string>

#include <rapidjson/document.h>

#include "parr/GLPoint.h"
#include "parr/Path.h"
#include "vtquill/file/JsonPlace.h"
#include "vtquill/file/ModelDocument.h"

namespace VTQUILL::File {

using JsonValue = rapidjson::Value;

// Typed reading of single JSON values. Every function checks the value's type before it
// reads it and throws ModelFileError naming `place` and what was expected and found, so no
// input reaches a RapidJSON accessor it does not fit.
class JsonCheck {
public:
    // "a string", "a number", "an array", ... for messages.
    static const char* describe(const JsonValue& value);

    static std::string asString(const JsonValue& value, const JsonPlace& place);
    // A string that must not be empty (names).
    static std::string asName(const JsonValue& value, const JsonPlace& place);
    static bool asBool(const JsonValue& value, const JsonPlace& place);
    // A whole number that fits 64 bits (written without fraction or exponent).
    static std::int64_t asInteger(const JsonValue& value, const JsonPlace& place);
    static double asNumber(const JsonValue& value, const JsonPlace& place);
    // [x, y]: an array of exactly two numbers.
    static PARR::GLPoint<double> asPoint(const JsonValue& value, const JsonPlace& place);
    // [[x, y], ...]
    static PARR::Path asPath(const JsonValue& value, const JsonPlace& place);
    // An id: an integer or a non-empty string.
    static FileId asId(const JsonValue& value, const JsonPlace& place);
    static const JsonValue& asArray(const JsonValue& value, const JsonPlace& place);

    [[noreturn]] static void wrongType(const JsonValue& value, const JsonPlace& place,
                                       const char* expected);
};

}  // namespace VTQUILL::File
