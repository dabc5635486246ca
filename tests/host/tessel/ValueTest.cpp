#include "tessel/Value.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using TESSEL::Value;

namespace {

TEST(ValueKinds, TheDefaultValueIsEmpty) {
    Value v;

    EXPECT_EQ(v.kind(), Value::Kind::Empty);
    EXPECT_TRUE(v.isEmpty());
    EXPECT_EQ(v.numberOfElements(), 0u);
}

TEST(ValueKinds, EachFactoryMakesItsKind) {
    EXPECT_EQ(Value::string("a").kind(), Value::Kind::String);
    EXPECT_EQ(Value::scalar(1).kind(), Value::Kind::Double);
    EXPECT_EQ(Value::doubles({1, 2}).kind(), Value::Kind::Double);
    EXPECT_EQ(Value::logical(true).kind(), Value::Kind::Logical);
    EXPECT_EQ(Value::structure().kind(), Value::Kind::Struct);
    EXPECT_EQ(Value::object(std::make_shared<int>(1), "X").kind(), Value::Kind::Object);
    EXPECT_EQ(Value::empty().kind(), Value::Kind::Empty);
}

TEST(ValueEmptiness, EmptyTextAndEmptyArraysAreEmptyOtherValuesAreNot) {
    EXPECT_TRUE(Value::string("").isEmpty());
    EXPECT_TRUE(Value::doubles({}).isEmpty());
    EXPECT_FALSE(Value::string("x").isEmpty());
    EXPECT_FALSE(Value::scalar(0).isEmpty());
    EXPECT_FALSE(Value::logical(false).isEmpty());
    EXPECT_FALSE(Value::structure().isEmpty());
    EXPECT_EQ(Value::doubles({1, 2, 3}).numberOfElements(), 3u);
}

TEST(ValueLogicalTest, TrueForATrueLogicalAndANonZeroScalar) {
    EXPECT_TRUE(Value::logical(true).isLogicalTrue());
    EXPECT_TRUE(Value::scalar(2.5).isLogicalTrue());
    EXPECT_TRUE(Value::scalar(-1).isLogicalTrue());
}

TEST(ValueLogicalTest, FalseForEverythingElse) {
    EXPECT_FALSE(Value::logical(false).isLogicalTrue());
    EXPECT_FALSE(Value::scalar(0).isLogicalTrue());
    EXPECT_FALSE(Value::doubles({1, 1}).isLogicalTrue());
    EXPECT_FALSE(Value::doubles({}).isLogicalTrue());
    EXPECT_FALSE(Value::string("true").isLogicalTrue());
    EXPECT_FALSE(Value().isLogicalTrue());
}

TEST(ValueAccessors, ReadBackWhatWasStored) {
    EXPECT_EQ(Value::string("m/a").asString(), "m/a");
    EXPECT_EQ(Value::scalar(4.25).asDouble(), 4.25);
    EXPECT_EQ(Value::doubles({1, 2}).asDoubles(), (std::vector<double>{1, 2}));
    EXPECT_TRUE(Value::logical(true).asLogical());
    EXPECT_TRUE(Value::scalar(3).isScalar());
    EXPECT_FALSE(Value::doubles({1, 2}).isScalar());
}

TEST(ValueAccessors, ThrowAClearErrorOnTheWrongKind) {
    try {
        Value::scalar(1).asString();
        FAIL() << "no error";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "TESSEL::Value: expected a string value, found a double value");
    }
    EXPECT_THROW(Value::string("1").asDouble(), std::invalid_argument);
    EXPECT_THROW(Value::scalar(1).asLogical(), std::invalid_argument);
    EXPECT_THROW(Value().asDoubles(), std::invalid_argument);
    EXPECT_THROW(Value::string("s").interfaceName(), std::invalid_argument);
}

TEST(ValueAccessors, AsDoubleRefusesAnArrayOfAnotherLength) {
    EXPECT_THROW(Value::doubles({1, 2}).asDouble(), std::invalid_argument);
    EXPECT_THROW(Value::doubles({}).asDouble(), std::invalid_argument);
}

TEST(ValueStruct, KeepsFieldsInTheOrderTheyWereAdded) {
    Value s = Value::structure({{"diagram", Value::scalar(1)}, {"model", Value::scalar(2)}});
    s.setField("extra", Value::string("x"));

    EXPECT_EQ(s.fieldNames(), (std::vector<std::string>{"diagram", "model", "extra"}));
    EXPECT_EQ(s.field("model").asDouble(), 2);
}

TEST(ValueStruct, SettingAnExistingFieldReplacesItInPlace) {
    Value s = Value::structure({{"a", Value::scalar(1)}, {"b", Value::scalar(2)}});

    s.setField("a", Value::scalar(10));

    EXPECT_EQ(s.fieldNames(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(s.field("a").asDouble(), 10);
}

TEST(ValueStruct, LooksUpMissingFieldsWithoutSurprises) {
    Value s = Value::structure({{"a", Value::scalar(1)}});

    EXPECT_TRUE(s.hasField("a"));
    EXPECT_FALSE(s.hasField("b"));
    EXPECT_EQ(s.findField("b"), nullptr);
    EXPECT_THROW(s.field("b"), std::invalid_argument);
}

TEST(ValueStruct, FieldLookupOnANonStructAnswersNothingOrThrows) {
    Value text = Value::string("a");

    EXPECT_FALSE(text.hasField("a"));
    EXPECT_EQ(text.findField("a"), nullptr);
    EXPECT_THROW(text.field("a"), std::invalid_argument);
    EXPECT_THROW(text.setField("a", Value()), std::invalid_argument);
}

TEST(ValueObject, HandsBackTheWrappedObjectThroughItsInterface) {
    auto diagram = std::make_shared<std::string>("the diagram");
    Value v = Value::wrap(diagram, "DOVE2.Diagram");

    EXPECT_EQ(v.interfaceName(), "DOVE2.Diagram");
    EXPECT_EQ(v.asObject<std::string>("DOVE2.Diagram"), diagram);
    EXPECT_EQ(v.objectPointer().get(), diagram.get());
}

TEST(ValueObject, RefusesAnotherInterfaceName) {
    Value v = Value::wrap(std::make_shared<int>(1), "QUILL.Model");

    EXPECT_THROW(v.asObject<int>("DOVE2.Diagram"), std::invalid_argument);
    EXPECT_THROW(Value::scalar(1).asObject<int>("QUILL.Model"), std::invalid_argument);
}

TEST(ValueObject, CopiesShareTheObjectAndKeepItAlive) {
    std::weak_ptr<int> watch;
    Value copy;
    {
        auto object = std::make_shared<int>(7);
        watch = object;
        Value original = Value::wrap(object, "X");
        copy = original;
    }

    EXPECT_FALSE(watch.expired());
    EXPECT_EQ(*copy.asObject<int>("X"), 7);
    copy = Value();
    EXPECT_TRUE(watch.expired());
}

TEST(ValueObject, AStructCanCarryObjectsAsTheStateChartLookupReturnsThem) {
    auto diagram = std::make_shared<int>(1);
    auto model = std::make_shared<int>(2);
    Value result = Value::structure({{"diagram", Value::wrap(diagram, "DOVE2.Diagram")},
                                     {"model", Value::wrap(model, "QUILL.Model")}});

    Value copy = result;

    EXPECT_EQ(copy.field("diagram").asObject<int>("DOVE2.Diagram"), diagram);
    EXPECT_EQ(copy.field("model").asObject<int>("QUILL.Model"), model);
}

}  // namespace
