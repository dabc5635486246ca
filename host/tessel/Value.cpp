#include "tessel/Value.h"

#include <algorithm>
#include <stdexcept>

namespace TESSEL {

Value::Value() : kind_(Kind::Empty) {}
Value::Value(Kind kind) : kind_(kind) {}
Value::Value(const Value& other) = default;
Value::Value(Value&& other) noexcept = default;
Value& Value::operator=(const Value& other) = default;
Value& Value::operator=(Value&& other) noexcept = default;
Value::~Value() = default;

Value Value::empty() {
    return Value();
}

Value Value::string(std::string text) {
    Value v(Kind::String);
    v.text_ = std::move(text);
    return v;
}

Value Value::scalar(double number) {
    return doubles({number});
}

Value Value::doubles(std::vector<double> numbers) {
    Value v(Kind::Double);
    v.numbers_ = std::move(numbers);
    return v;
}

Value Value::logical(bool truth) {
    Value v(Kind::Logical);
    v.logical_ = truth;
    return v;
}

Value Value::structure() {
    return structure(std::vector<Field>());
}

Value Value::structure(std::vector<Field> fields) {
    Value v(Kind::Struct);
    for (auto& f : fields) {
        v.setField(f.name, std::move(f.value));
    }
    return v;
}

Value Value::object(std::shared_ptr<void> object, std::string interfaceName) {
    Value v(Kind::Object);
    v.object_ = std::move(object);
    v.text_ = std::move(interfaceName);
    return v;
}

const char* Value::kindName(Kind kind) {
    switch (kind) {
        case Kind::Empty:
            return "empty";
        case Kind::String:
            return "string";
        case Kind::Double:
            return "double";
        case Kind::Logical:
            return "logical";
        case Kind::Struct:
            return "struct";
        case Kind::Object:
            return "object";
    }
    return "unknown";
}

std::size_t Value::numberOfElements() const {
    switch (kind_) {
        case Kind::Empty:
            return 0;
        case Kind::String:
            return text_.empty() ? 0 : 1;
        case Kind::Double:
            return numbers_.size();
        default:
            return 1;
    }
}

bool Value::isLogicalTrue() const {
    if (kind_ == Kind::Logical) {
        return logical_;
    }
    return isScalar() && numbers_.front() != 0.0;
}

const std::string& Value::asString() const {
    requireKind(Kind::String);
    return text_;
}

double Value::asDouble() const {
    requireKind(Kind::Double);
    if (numbers_.size() != 1) {
        throw std::invalid_argument(
            "TESSEL::Value: expected a double scalar, found a double array of " +
            std::to_string(numbers_.size()) + " elements");
    }
    return numbers_.front();
}

const std::vector<double>& Value::asDoubles() const {
    requireKind(Kind::Double);
    return numbers_;
}

bool Value::asLogical() const {
    requireKind(Kind::Logical);
    return logical_;
}

bool Value::hasField(const std::string& name) const {
    return findField(name) != nullptr;
}

const Value* Value::findField(const std::string& name) const {
    if (kind_ != Kind::Struct) {
        return nullptr;
    }
    auto found = std::find_if(fields_.begin(), fields_.end(),
                              [&](const Field& f) { return f.name == name; });
    return found == fields_.end() ? nullptr : &found->value;
}

const Value& Value::field(const std::string& name) const {
    requireKind(Kind::Struct);
    const Value* found = findField(name);
    if (found == nullptr) {
        throw std::invalid_argument("TESSEL::Value: the struct has no field \"" + name + "\"");
    }
    return *found;
}

void Value::setField(const std::string& name, Value value) {
    requireKind(Kind::Struct);
    auto found = std::find_if(fields_.begin(), fields_.end(),
                              [&](const Field& f) { return f.name == name; });
    if (found != fields_.end()) {
        found->value = std::move(value);
        return;
    }
    fields_.push_back(Field{name, std::move(value)});
}

std::vector<std::string> Value::fieldNames() const {
    std::vector<std::string> names;
    for (const auto& f : fields_) {
        names.push_back(f.name);
    }
    return names;
}

const std::string& Value::interfaceName() const {
    requireKind(Kind::Object);
    return text_;
}

const std::shared_ptr<void>& Value::objectPointer() const {
    requireKind(Kind::Object);
    return object_;
}

void Value::requireKind(Kind expected) const {
    if (kind_ == expected) {
        return;
    }
    throw std::invalid_argument(std::string("TESSEL::Value: expected a ") + kindName(expected) +
                                " value, found a " + kindName(kind_) + " value");
}

void Value::requireInterface(const std::string& interface) const {
    requireKind(Kind::Object);
    if (text_ == interface) {
        return;
    }
    throw std::invalid_argument("TESSEL::Value: the object is wrapped as \"" + text_ +
                                "\", not as \"" + interface + "\"");
}

}  // namespace TESSEL
