#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "vtquill/file/JsonCheck.h"

namespace VTQUILL::File {

// Checked access to the fields of one JSON object. Construction checks that the value is an
// object, that every key is one of `fields` and that no key appears twice; the accessors
// check presence and type and throw ModelFileError naming the field's place.
//
// Lifetime: refers to the value, the place and the field list, which must outlive it.
class JsonObjectReader {
public:
    JsonObjectReader(const JsonValue& value, const JsonPlace& place,
                     std::span<const char* const> fields);

    const JsonPlace& place() const { return place_; }
    // The field's value; null when the object has no such field.
    const JsonValue* find(const char* key) const;
    // The field's value; a missing field is an error.
    const JsonValue& require(const char* key) const;

    std::string requireString(const char* key) const;
    std::string requireName(const char* key) const;
    std::string optionalString(const char* key, const std::string& fallback) const;
    bool optionalBool(const char* key, bool fallback) const;
    std::int64_t requireInteger(const char* key) const;
    std::int64_t optionalInteger(const char* key, std::int64_t fallback) const;
    double requireNumber(const char* key) const;
    PARR::GLPoint<double> requirePoint(const char* key) const;
    FileId requireId(const char* key) const;
    // The array under `key`; an empty array when the field is absent.
    const JsonValue& optionalArray(const char* key) const;

private:
    const JsonValue& value_;
    const JsonPlace& place_;
};

}  // namespace VTQUILL::File
