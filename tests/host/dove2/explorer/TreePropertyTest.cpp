#include "dove2/explorer/TreeProperty.h"

#include <gtest/gtest.h>

#include "ExplorerTestSupport.h"

using DOVE2::Util::TreeProperty;
using ExplorerTest::GenericModel;
using ExplorerTest::GenericTypes;
using ExplorerTest::namesOf;

namespace {

TEST(TreePropertyContained, ListsTheContainedObjectsInOrder) {
    GenericModel m;
    const auto parent = m.node("parent");
    m.node("b", parent);
    m.node("a", parent);
    m.node("c", parent);
    EXPECT_EQ(namesOf(TreeProperty::contained().objectsOf(parent)),
              (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_TRUE(TreeProperty::contained().isContained());
    EXPECT_EQ(TreeProperty::contained().getName(), "contained");
}

TEST(TreePropertyContained, ListsNothingForAnInvalidObject) {
    EXPECT_TRUE(TreeProperty::contained().objectsOf(QUILL::ImmutableClassObject()).empty());
}

TEST(TreePropertyReference, ListsTheObjectsAReferenceListNamesInItsOrder) {
    GenericModel m;
    const auto a = m.node("a");
    const auto b = m.node("b");
    const auto from = m.node("from");
    m.link(from, {b, a});
    const TreeProperty links = TreeProperty::reference(GenericTypes::get().links);
    EXPECT_EQ(namesOf(links.objectsOf(from)), (std::vector<std::string>{"b", "a"}));
    EXPECT_FALSE(links.isContained());
    EXPECT_EQ(links.getName(), "links");
    EXPECT_EQ(links.getAttribute(), &GenericTypes::get().links);
}

TEST(TreePropertyReference, ListsTheObjectASingleReferenceNames) {
    GenericModel m;
    const auto a = m.node("a");
    const auto from = m.node("from");
    from.set(GenericTypes::get().partner, QUILL::ObjectRef{a.getObjectId()});
    EXPECT_EQ(namesOf(TreeProperty::reference(GenericTypes::get().partner).objectsOf(from)),
              (std::vector<std::string>{"a"}));
}

TEST(TreePropertyReference, LeavesOutObjectsThatNoLongerExist) {
    GenericModel m;
    const auto a = m.node("a");
    const auto gone = m.node("gone");
    const auto from = m.node("from");
    m.link(from, {a, gone});
    gone.destroy();
    EXPECT_EQ(namesOf(TreeProperty::reference(GenericTypes::get().links).objectsOf(from)),
              (std::vector<std::string>{"a"}));
}

TEST(TreePropertyReference, ListsNothingForAnObjectWhoseClassLacksTheAttribute) {
    GenericModel m;
    EXPECT_TRUE(TreeProperty::reference(GenericTypes::get().links).objectsOf(m.foo()).empty());
}

TEST(TreePropertyReference, RefusesAnAttributeThatNamesNoObjects) {
    EXPECT_THROW(TreeProperty::reference(GenericTypes::get().nodeName), QUILL::Exception);
}

TEST(TreePropertyAll, ListsTheContainedObjectsThenEachReferenceAttributeInSlotOrder) {
    const auto all = TreeProperty::allOf(GenericTypes::get().node);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0], TreeProperty::contained());
    EXPECT_EQ(all[1], TreeProperty::reference(GenericTypes::get().links));
    EXPECT_EQ(all[2], TreeProperty::reference(GenericTypes::get().partner));
}

TEST(TreePropertyAll, ListsOnlyTheContainedObjectsForAClassWithoutReferences) {
    EXPECT_EQ(TreeProperty::allOf(GenericTypes::get().foo),
              std::vector<TreeProperty>{TreeProperty::contained()});
    EXPECT_EQ(TreeProperty::allOf(QUILL::ImmutableType()),
              std::vector<TreeProperty>{TreeProperty::contained()});
}

}  // namespace
