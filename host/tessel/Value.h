#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace TESSEL {

// An array value of the scripting environment, as passed to and returned by scripting
// functions (FunctionRegistry). A plain copyable value of one of these kinds:
//
//   Empty    no elements (the default value);
//   String   a character text;
//   Double   a numeric array of doubles (a scalar is an array of one element);
//   Logical  a logical scalar;
//   Struct   a structure scalar with named fields, in the order they were added;
//   Object   a wrapped host object: a shared pointer plus the name of the interface it is
//            wrapped as (such as "DOVE2.Diagram"); copies share the object.
//
// Typed accessors throw std::invalid_argument naming the expected and the actual kind when
// the value has another kind; nothing else in this class throws.
class Value {
public:
    enum class Kind { Empty, String, Double, Logical, Struct, Object };
    struct Field;

    Value();
    Value(const Value& other);
    Value(Value&& other) noexcept;
    Value& operator=(const Value& other);
    Value& operator=(Value&& other) noexcept;
    ~Value();

    static Value empty();
    static Value string(std::string text);
    static Value scalar(double number);
    static Value doubles(std::vector<double> numbers);
    static Value logical(bool truth);
    // A struct with no fields, or with `fields` in order. (Two overloads rather than a default
    // argument: Field is still incomplete here, which clang refuses in a default argument.)
    static Value structure();
    static Value structure(std::vector<Field> fields);
    static Value object(std::shared_ptr<void> object, std::string interfaceName);

    // Wraps a typed host object under an interface name.
    template <class T>
    static Value wrap(std::shared_ptr<T> object, std::string interfaceName) {
        return Value::object(std::static_pointer_cast<void>(std::move(object)),
                             std::move(interfaceName));
    }

    Kind kind() const { return kind_; }
    // "empty", "string", "double", "logical", "struct" or "object".
    static const char* kindName(Kind kind);

    // The element count: 0 for Empty, an empty text and an empty numeric array; the array
    // length for Double; 1 for any other value.
    std::size_t numberOfElements() const;
    bool isEmpty() const { return numberOfElements() == 0; }

    bool isString() const { return kind_ == Kind::String; }
    bool isDouble() const { return kind_ == Kind::Double; }
    bool isLogical() const { return kind_ == Kind::Logical; }
    bool isStruct() const { return kind_ == Kind::Struct; }
    bool isObject() const { return kind_ == Kind::Object; }
    // A numeric array of exactly one element.
    bool isScalar() const { return kind_ == Kind::Double && numbers_.size() == 1; }

    // True for a true logical and for a non-zero numeric scalar; false for everything else
    // (also for a numeric array of several elements).
    bool isLogicalTrue() const;

    const std::string& asString() const;
    // The single number of a numeric scalar; a numeric array of another length also throws.
    double asDouble() const;
    const std::vector<double>& asDoubles() const;
    bool asLogical() const;

    // Struct fields. `hasField` and `findField` answer false/null for a value that is not a
    // struct; `field` and `setField` throw for one. `field` also throws when the field is
    // missing; `findField` returns null then. `setField` replaces the value of an existing
    // field in place and appends a new field at the end.
    bool hasField(const std::string& name) const;
    const Value* findField(const std::string& name) const;
    const Value& field(const std::string& name) const;
    void setField(const std::string& name, Value value);
    std::vector<std::string> fieldNames() const;

    // Wrapped objects. `interfaceName` throws for a value that is not an object.
    const std::string& interfaceName() const;
    const std::shared_ptr<void>& objectPointer() const;
    // The object taken through `interface`: throws when the value is not an object or was
    // wrapped under another interface name. The caller vouches that T is the wrapped type.
    template <class T>
    std::shared_ptr<T> asObject(const std::string& interface) const {
        requireInterface(interface);
        return std::static_pointer_cast<T>(object_);
    }

private:
    explicit Value(Kind kind);
    void requireKind(Kind expected) const;
    void requireInterface(const std::string& interface) const;

    Kind kind_;
    std::string text_;  // String text, or Object interface name
    std::vector<double> numbers_;
    bool logical_ = false;
    std::vector<Field> fields_;
    std::shared_ptr<void> object_;
};

struct Value::Field {
    std::string name;
    Value value;
};

}  // namespace TESSEL
