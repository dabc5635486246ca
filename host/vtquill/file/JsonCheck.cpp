#include "vtquill/file/JsonCheck.h"

#include "vtquill/file/ModelFileError.h"

namespace VTQUILL::File {

const char* JsonCheck::describe(const JsonValue& value) {
    switch (value.GetType()) {
        case rapidjson::kNullType:
            return "null";
        case rapidjson::kFalseType:
        case rapidjson::kTrueType:
            return "a boolean";
        case rapidjson::kObjectType:
            return "an object";
        case rapidjson::kArrayType:
            return "an array";
        case rapidjson::kStringType:
            return "a string";
        case rapidjson::kNumberType:
            return "a number";
    }
    return "an unknown value";
}

void JsonCheck::wrongType(const JsonValue& value, const JsonPlace& place, const char* expected) {
    throw ModelFileError(place.toString(),
                         std::string("expected ") + expected + ", found " + describe(value));
}

std::string JsonCheck::asString(const JsonValue& value, const JsonPlace& place) {
    if (!value.IsString())
        wrongType(value, place, "a string");
    return std::string(value.GetString(), value.GetStringLength());
}

std::string JsonCheck::asName(const JsonValue& value, const JsonPlace& place) {
    std::string name = asString(value, place);
    if (name.empty())
        throw ModelFileError(place.toString(), "a name cannot be empty");
    return name;
}

bool JsonCheck::asBool(const JsonValue& value, const JsonPlace& place) {
    if (!value.IsBool())
        wrongType(value, place, "true or false");
    return value.GetBool();
}

std::int64_t JsonCheck::asInteger(const JsonValue& value, const JsonPlace& place) {
    if (!value.IsInt64())
        wrongType(value, place, "an integer");
    return value.GetInt64();
}

double JsonCheck::asNumber(const JsonValue& value, const JsonPlace& place) {
    if (!value.IsNumber())
        wrongType(value, place, "a number");
    return value.GetDouble();
}

PARR::GLPoint<double> JsonCheck::asPoint(const JsonValue& value, const JsonPlace& place) {
    if (!value.IsArray() || value.Size() != 2 || !value[0].IsNumber() || !value[1].IsNumber())
        wrongType(value, place, "[x, y] (an array of two numbers)");
    return {value[0].GetDouble(), value[1].GetDouble()};
}

PARR::Path JsonCheck::asPath(const JsonValue& value, const JsonPlace& place) {
    const JsonValue& points = asArray(value, place);
    std::vector<PARR::Path::Point> result;
    result.reserve(points.Size());
    for (rapidjson::SizeType i = 0; i < points.Size(); ++i)
        result.push_back(asPoint(points[i], place.item(i)));
    return PARR::Path(std::move(result));
}

FileId JsonCheck::asId(const JsonValue& value, const JsonPlace& place) {
    if (value.IsInt64())
        return FileId{std::to_string(value.GetInt64())};
    if (value.IsUint64())
        return FileId{std::to_string(value.GetUint64())};
    if (value.IsString() && value.GetStringLength() > 0)
        return FileId{'"' + std::string(value.GetString(), value.GetStringLength()) + '"'};
    wrongType(value, place, "an id (an integer or a non-empty string)");
}

const JsonValue& JsonCheck::asArray(const JsonValue& value, const JsonPlace& place) {
    if (!value.IsArray())
        wrongType(value, place, "an array");
    return value;
}

}  // namespace VTQUILL::File
