#include <gtest/gtest.h>

#include "TestModel.h"

using namespace QUILL;
using QuillTest::TestTypes;

TEST(TypeTest, AttributesAreFoundByNameThroughTheSuperclassChain) {
    const auto& t = TestTypes::get();
    EXPECT_EQ(t.special.findAttribute("name"), &t.name);
    EXPECT_EQ(t.special.findAttribute("extra"), &t.extra);
    EXPECT_EQ(t.node.findAttribute("extra"), nullptr);
    EXPECT_EQ(t.node.findAttribute("missing"), nullptr);
}

TEST(TypeTest, InheritedAttributesKeepTheirSlotsInSubclasses) {
    const auto& t = TestTypes::get();
    const auto all = t.special.getAllAttributes();
    ASSERT_EQ(all.size(), 6u);
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i]->getIndex(), i);
    EXPECT_EQ(all.back(), &t.extra);
}

TEST(TypeTest, QualifiedNamesAndKindTests) {
    const auto& t = TestTypes::get();
    const ImmutableType special(t.special), node(t.node);
    EXPECT_EQ(special.getQualifiedName(), "QuillTest.Special");
    EXPECT_EQ(special.getName(), "Special");
    EXPECT_TRUE(special.isKindOf(node));
    EXPECT_FALSE(node.isKindOf(special));
    EXPECT_FALSE(ImmutableType().isKindOf(node));
    ASSERT_EQ(special.getSuperclasses().size(), 1u);
    EXPECT_EQ(special.getSuperclasses()[0], node);
    EXPECT_EQ(TypeRegistry::instance().find("QuillTest.Node"), &t.node);
    EXPECT_EQ(TypeRegistry::instance().find("QuillTest.Nothing"), nullptr);
}

TEST(TypeTest, MisuseIsRefusedWithAnAssertion) {
    const auto& t = TestTypes::get();
    // A type in use gets no more attributes: existing objects would miss the slot.
    EXPECT_THROW(const_cast<Type&>(t.node).addAttribute("late", ValueKind::Int), Exception);
    EXPECT_THROW(TypeRegistry::instance().define("QuillTest.Node"), Exception);
    Type& fresh = TypeRegistry::instance().define("QuillTest.Fresh");
    EXPECT_THROW(fresh.addAttribute("bad", ValueKind::Int, std::string("text")), Exception);
    fresh.addAttribute("x", ValueKind::Int);
    EXPECT_THROW(fresh.addAttribute("x", ValueKind::Double), Exception);
}

TEST(ExceptionTest, RepositoryMessagesHaveTheirExactTexts) {
    try {
        ImmutableClassObject().getMetaClass();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Cannot access NULL ref. Use isValid() before calling methods");
    }
    try {
        Sequence<int>().front();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "sequence is empty");
    }
    try {
        assertionFailed(": !erh.hasError(),", "main/initialize", 34, "initialize_vt_editor");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(),
                     "Assertion failed: : !erh.hasError(), at main/initialize:34: "
                     "initialize_vt_editor");
    }
}
