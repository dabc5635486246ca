#include "dove2/explorer/BasicCompositeFilter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ExplorerTestSupport.h"

using DOVE2::Util::BasicCompositeFilter;
using DOVE2::Util::TreeFilter;
using DOVE2::Util::TreeProperty;
using ExplorerTest::GenericModel;
using ExplorerTest::GenericTypes;
using ExplorerTest::namesOf;
using Objects = std::vector<QUILL::ImmutableClassObject>;

namespace {

// Leaves out objects whose name starts with a given letter and logs the names it was given.
class DropByInitial : public TreeFilter {
public:
    explicit DropByInitial(char initial) : initial_(initial) {}
    std::vector<TreeProperty> filterAttributes(const QUILL::ImmutableClassObject&,
                                               std::vector<TreeProperty> p) const override {
        return p;
    }
    Objects filterObjects(const QUILL::ImmutableClassObject&, const TreeProperty&,
                          Objects objects) const override {
        seen.push_back(namesOf(objects));
        std::erase_if(objects, [this](const QUILL::ImmutableClassObject& o) {
            return namesOf({o}).front().front() == initial_;
        });
        return objects;
    }
    mutable std::vector<std::vector<std::string>> seen;

private:
    char initial_;
};

// Walks the "links" references besides what it is given.
class WalkLinks : public TreeFilter {
public:
    std::vector<TreeProperty> filterAttributes(const QUILL::ImmutableClassObject&,
                                               std::vector<TreeProperty> p) const override {
        p.push_back(TreeProperty::reference(GenericTypes::get().links));
        return p;
    }
    Objects filterObjects(const QUILL::ImmutableClassObject&, const TreeProperty&,
                          Objects objects) const override {
        return objects;
    }
};

TEST(BasicCompositeFilterOwnRule, WalksOnlyTheContainedObjects) {
    GenericModel m;
    const auto node = m.node("n");
    BasicCompositeFilter filter;
    EXPECT_EQ(filter.filterAttributes(node, TreeProperty::allOf(node.getMetaClass())),
              std::vector<TreeProperty>{TreeProperty::contained()});
}

TEST(BasicCompositeFilterOwnRule, WalksNothingWhenTheContainedObjectsAreNoCandidate) {
    GenericModel m;
    const auto node = m.node("n");
    BasicCompositeFilter filter;
    EXPECT_TRUE(filter.filterAttributes(node, {TreeProperty::reference(GenericTypes::get().links)})
                    .empty());
}

TEST(BasicCompositeFilterOwnRule, KeepsEveryObjectInItsOrder) {
    GenericModel m;
    const auto parent = m.node("p");
    const Objects objects{m.node("x", parent), m.node("a", parent), m.node("y", parent)};
    EXPECT_EQ(BasicCompositeFilter().filterObjects(parent, TreeProperty::contained(), objects),
              objects);
}

TEST(BasicCompositeFilterParts, FilterTheObjectsInTurnEachSeeingWhatThePreviousKept) {
    GenericModel m;
    const auto parent = m.node("p");
    const Objects objects{m.node("xa", parent), m.node("ab", parent), m.node("yc", parent)};
    auto first = boost::shared_ptr<DropByInitial>(new DropByInitial('x'));
    auto second = boost::shared_ptr<DropByInitial>(new DropByInitial('y'));
    BasicCompositeFilter filter;
    filter.addFilter(first);
    filter.addFilter(second);

    EXPECT_EQ(namesOf(filter.filterObjects(parent, TreeProperty::contained(), objects)),
              (std::vector<std::string>{"ab"}));
    EXPECT_EQ(first->seen.back(), (std::vector<std::string>{"xa", "ab", "yc"}));
    EXPECT_EQ(second->seen.back(), (std::vector<std::string>{"ab", "yc"}));
}

TEST(BasicCompositeFilterParts, MayAddPropertiesAfterTheOwnRule) {
    GenericModel m;
    const auto node = m.node("n");
    BasicCompositeFilter filter;
    filter.addFilter(boost::shared_ptr<TreeFilter>(new WalkLinks()));
    EXPECT_EQ(filter.filterAttributes(node, TreeProperty::allOf(node.getMetaClass())),
              (std::vector<TreeProperty>{TreeProperty::contained(),
                                         TreeProperty::reference(GenericTypes::get().links)}));
}

TEST(BasicCompositeFilterParts, IgnoresANullPartAndTheFilterItself) {
    auto filter = boost::shared_ptr<BasicCompositeFilter>(new BasicCompositeFilter());
    filter->addFilter(nullptr);
    filter->addFilter(filter);
    EXPECT_TRUE(filter->getFilters().empty());
}

TEST(BasicCompositeFilterParts, CanBeRemoved) {
    auto part = boost::shared_ptr<TreeFilter>(new WalkLinks());
    BasicCompositeFilter filter;
    filter.addFilter(part);
    EXPECT_TRUE(filter.removeFilter(part));
    EXPECT_FALSE(filter.removeFilter(part));
    EXPECT_TRUE(filter.getFilters().empty());
}

TEST(BasicCompositeFilterSharing, KnowsThePointerThatHoldsIt) {
    auto filter = boost::shared_ptr<BasicCompositeFilter>(new BasicCompositeFilter());
    EXPECT_EQ(filter->shared_from_this(), filter);
    EXPECT_EQ(filter->weak_from_this().lock(), filter);
}

}  // namespace
