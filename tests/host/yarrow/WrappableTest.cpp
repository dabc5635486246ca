#include "yarrow/Wrappable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "yarrow/BindingRegistry.h"

using yarrow::factory::basic::BindingRegistry;
using yarrow::factory::full::Wrappable;

namespace {

class Editor : public Wrappable {
public:
    std::string getScriptingTypeName() const override { return "DOVE2.Editor"; }
};

TEST(Wrappable, TheBaseHasNoScriptingTypeOfItsOwn) {
    Wrappable plain;

    EXPECT_EQ(plain.getScriptingTypeName(), "");
}

TEST(Wrappable, DerivedClassesNameTheirScriptingType) {
    std::unique_ptr<Wrappable> editor = std::make_unique<Editor>();

    EXPECT_EQ(editor->getScriptingTypeName(), "DOVE2.Editor");
}

TEST(Wrappable, AnnouncedWithoutATypeOfItsOwnItIsListedUnderItsName) {
    Wrappable plain;

    BindingRegistry::instance().announce("test.plain", plain);

    EXPECT_EQ(BindingRegistry::instance().lookup("test.plain")->typeName, "test.plain");
    BindingRegistry::instance().retract("test.plain");
}

TEST(Wrappable, ACopyIsNotBoundWhereTheOriginalIs) {
    auto original = std::make_unique<Editor>();
    BindingRegistry::instance().announce("test.original", *original);

    { Editor copy(*original); }

    EXPECT_TRUE(BindingRegistry::instance().lookup("test.original").has_value());
    original.reset();
    EXPECT_FALSE(BindingRegistry::instance().lookup("test.original").has_value());
}

}  // namespace
