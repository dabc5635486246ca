#include "vtquill/file/JsonObjectReader.h"

#include <cstring>

#include "vtquill/file/ModelFileError.h"

namespace VTQUILL::File {

namespace {

bool isOneOf(const JsonValue& name, std::span<const char* const> fields) {
    for (const char* field : fields) {
        if (name.GetStringLength() == std::strlen(field) &&
            std::memcmp(name.GetString(), field, name.GetStringLength()) == 0) {
            return true;
        }
    }
    return false;
}

bool sameName(const JsonValue& a, const JsonValue& b) {
    return a.GetStringLength() == b.GetStringLength() &&
           std::memcmp(a.GetString(), b.GetString(), a.GetStringLength()) == 0;
}

std::string quoted(const JsonValue& name) {
    return '"' + std::string(name.GetString(), name.GetStringLength()) + '"';
}

std::string placeOfKey(const JsonPlace& object, const JsonValue& name) {
    const std::string at = object.toString();
    const std::string key(name.GetString(), name.GetStringLength());
    return at.empty() ? key : at + '.' + key;
}

const JsonValue& emptyArray() {
    static const JsonValue empty(rapidjson::kArrayType);
    return empty;
}

}  // namespace

JsonObjectReader::JsonObjectReader(const JsonValue& value, const JsonPlace& place,
                                   std::span<const char* const> fields)
    : value_(value), place_(place) {
    if (!value.IsObject())
        JsonCheck::wrongType(value, place, "an object");
    for (auto m = value.MemberBegin(); m != value.MemberEnd(); ++m) {
        if (!isOneOf(m->name, fields))
            throw ModelFileError(placeOfKey(place, m->name), "unknown field " + quoted(m->name));
        for (auto earlier = value.MemberBegin(); earlier != m; ++earlier) {
            if (sameName(earlier->name, m->name))
                throw ModelFileError(placeOfKey(place, m->name),
                                     "field " + quoted(m->name) + " appears twice");
        }
    }
}

const JsonValue* JsonObjectReader::find(const char* key) const {
    const std::size_t length = std::strlen(key);
    for (auto m = value_.MemberBegin(); m != value_.MemberEnd(); ++m) {
        if (m->name.GetStringLength() == length &&
            std::memcmp(m->name.GetString(), key, length) == 0) {
            return &m->value;
        }
    }
    return nullptr;
}

const JsonValue& JsonObjectReader::require(const char* key) const {
    const JsonValue* v = find(key);
    if (!v)
        throw ModelFileError(place_.field(key).toString(), "required field is missing");
    return *v;
}

std::string JsonObjectReader::requireString(const char* key) const {
    return JsonCheck::asString(require(key), place_.field(key));
}

std::string JsonObjectReader::requireName(const char* key) const {
    return JsonCheck::asName(require(key), place_.field(key));
}

std::string JsonObjectReader::optionalString(const char* key, const std::string& fallback) const {
    const JsonValue* v = find(key);
    return v ? JsonCheck::asString(*v, place_.field(key)) : fallback;
}

bool JsonObjectReader::optionalBool(const char* key, bool fallback) const {
    const JsonValue* v = find(key);
    return v ? JsonCheck::asBool(*v, place_.field(key)) : fallback;
}

std::int64_t JsonObjectReader::requireInteger(const char* key) const {
    return JsonCheck::asInteger(require(key), place_.field(key));
}

std::int64_t JsonObjectReader::optionalInteger(const char* key, std::int64_t fallback) const {
    const JsonValue* v = find(key);
    return v ? JsonCheck::asInteger(*v, place_.field(key)) : fallback;
}

double JsonObjectReader::requireNumber(const char* key) const {
    return JsonCheck::asNumber(require(key), place_.field(key));
}

PARR::GLPoint<double> JsonObjectReader::requirePoint(const char* key) const {
    return JsonCheck::asPoint(require(key), place_.field(key));
}

FileId JsonObjectReader::requireId(const char* key) const {
    return JsonCheck::asId(require(key), place_.field(key));
}

const JsonValue& JsonObjectReader::optionalArray(const char* key) const {
    const JsonValue* v = find(key);
    return v ? JsonCheck::asArray(*v, place_.field(key)) : emptyArray();
}

}  // namespace VTQUILL::File
