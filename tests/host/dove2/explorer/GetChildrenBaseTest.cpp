#include "dove2/explorer/GetChildrenBase.h"

#include <gtest/gtest.h>

#include "ExplorerTestSupport.h"
#include "dove2/explorer/BasicCompositeFilter.h"
#include "host/vtquill/DiagramBuilder.h"

using DOVE2::GetChildrenBase;
using DOVE2::Util::BasicCompositeFilter;
using DOVE2::Util::TreeFilter;
using DOVE2::Util::TreeProperty;
using ExplorerTest::GenericModel;
using ExplorerTest::GenericTypes;
using ExplorerTest::namesOf;
using Objects = std::vector<QUILL::ImmutableClassObject>;
using VTQuillTest::DiagramBuilder;

namespace {

// Leaves out ports; walks the "links" references besides the contained objects.
class NoPortsWithLinks : public BasicCompositeFilter {
public:
    std::vector<TreeProperty> filterAttributes(const QUILL::ImmutableClassObject& object,
                                               std::vector<TreeProperty> p) const override {
        auto walked = BasicCompositeFilter::filterAttributes(object, p);
        if (std::find(p.begin(), p.end(), TreeProperty::reference(GenericTypes::get().links)) !=
            p.end())
            walked.push_back(TreeProperty::reference(GenericTypes::get().links));
        return walked;
    }
    Objects filterObjects(const QUILL::ImmutableClassObject&, const TreeProperty&,
                          Objects objects) const override {
        std::erase_if(objects, [](const QUILL::ImmutableClassObject& o) {
            return o.isKindOf(VTQUILL::Port::MetaClass());
        });
        return objects;
    }
};

// Blocks have no children and answer hasChildren with a fixed value; diagrams list their
// blocks only. Counts its table installations.
class BlocksOnlyPopulator : public GetChildrenBase {
public:
    void initializeDispatch() override {
        ++initializations;
        static const Table table = [] {
            Table t;
            t.add<VTQUILL::Diagram>([](Table::VisitorType&, const QUILL::ImmutableClassObject& o) {
                Objects blocks;
                for (const auto& b : VTQUILL::ImmutableDiagram(o).getBlocks())
                    blocks.push_back(b);
                return blocks;
            });
            t.setDefault(
                [](Table::VisitorType&, const QUILL::ImmutableClassObject&) { return Objects(); });
            return t;
        }();
        setDispatchTable(&table);
    }
    bool hasChildren(const QUILL::ImmutableClassObject& object) override {
        if (object.isKindOf(VTQUILL::Block::MetaClass()))
            return blocksHaveChildren;
        return GetChildrenBase::hasChildren(object);
    }
    int initializations = 0;
    bool blocksHaveChildren = true;
};

// Every handler raises the repository's exception.
class FailingPopulator : public GetChildrenBase {
public:
    void initializeDispatch() override {
        static const Table table = [] {
            Table t;
            t.setDefault([](Table::VisitorType&, const QUILL::ImmutableClassObject&) -> Objects {
                QUILL::throwNullRef();
            });
            return t;
        }();
        setDispatchTable(&table);
    }
};

Objects childrenOf(GetChildrenBase& populator, const QUILL::ImmutableClassObject& object) {
    Objects children;
    populator.execute(object, children);
    return children;
}

// --- The plain populator ---

TEST(GetChildrenBasePlain, ListsTheContainedObjectsInOrder) {
    DiagramBuilder b;
    const auto gain = b.block("Gain", "G");
    const auto in = b.in(gain);
    const auto out = b.out(gain);
    const auto scope = b.block("Scope", "S");
    const auto line = b.connect(out, b.in(scope)).getContainer();
    GetChildrenBase populator;
    EXPECT_EQ(childrenOf(populator, b.diagram), (Objects{gain, scope, line}));
    EXPECT_EQ(childrenOf(populator, gain), (Objects{in, out}));
}

TEST(GetChildrenBasePlain, ReplacesWhatTheResultHeld) {
    GenericModel m;
    const auto parent = m.node("p");
    const auto child = m.node("c", parent);
    Objects result{m.node("stale")};
    GetChildrenBase().execute(parent, result);
    EXPECT_EQ(result, Objects{child});
}

TEST(GetChildrenBasePlain, SaysWhetherAnObjectHasChildren) {
    GenericModel m;
    const auto parent = m.node("p");
    const auto child = m.node("c", parent);
    GetChildrenBase populator;
    EXPECT_TRUE(populator.hasAtleastOneChild(parent));
    EXPECT_FALSE(populator.hasAtleastOneChild(child));
}

TEST(GetChildrenBasePlain, GivesNothingForAnInvalidObject) {
    GenericModel m;
    const auto gone = m.node("gone");
    m.node("c", gone);
    gone.destroy();
    GetChildrenBase populator;
    Objects result{m.node("stale")};
    populator.execute(gone, result);
    EXPECT_TRUE(result.empty());
    EXPECT_FALSE(populator.hasAtleastOneChild(gone));
    EXPECT_TRUE(populator.getFilteredChildren(QUILL::ImmutableClassObject()).empty());
}

// --- Filters ---

TEST(GetChildrenBaseFilters, KeepsWhatItWasMadeWith) {
    auto attributes = boost::shared_ptr<TreeFilter>(new BasicCompositeFilter());
    auto types = boost::shared_ptr<TreeFilter>(new NoPortsWithLinks());
    GetChildrenBase populator(attributes, "explorer", types);
    EXPECT_EQ(populator.getFilter(), attributes);
    EXPECT_EQ(populator.getFilterObjectsByType(), types);
    EXPECT_EQ(populator.getName(), "explorer");
    populator.setFilter(types);
    populator.setFilterObjectsByType(nullptr);
    EXPECT_EQ(populator.getFilter(), types);
    EXPECT_EQ(populator.getFilterObjectsByType(), nullptr);
}

TEST(GetChildrenBaseFilters, TheObjectTypeFilterLeavesOutObjects) {
    DiagramBuilder b;
    const auto gain = b.block("Gain", "G");
    b.in(gain);
    b.out(gain);
    auto filter = boost::shared_ptr<TreeFilter>(new NoPortsWithLinks());
    GetChildrenBase populator(filter, "", filter);
    EXPECT_EQ(childrenOf(populator, b.diagram), Objects{gain});
    EXPECT_TRUE(childrenOf(populator, gain).empty());
    EXPECT_FALSE(populator.hasAtleastOneChild(gain));
}

TEST(GetChildrenBaseFilters, TheAttributeFilterChoosesThePropertiesWalked) {
    GenericModel m;
    const auto parent = m.node("p");
    const auto inside = m.node("inside", parent);
    const auto outside = m.node("outside");
    m.link(parent, {outside, inside});
    auto filter = boost::shared_ptr<TreeFilter>(new NoPortsWithLinks());
    GetChildrenBase linked(filter);
    EXPECT_EQ(childrenOf(linked, parent), (Objects{inside, outside}))
        << "an object reached twice is listed where it was first reached";
    GetChildrenBase plain;
    EXPECT_EQ(childrenOf(plain, parent), Objects{inside});
}

// --- Dispatch ---

TEST(GetChildrenBaseDispatch, RunsTheTableInstalledOnFirstUse) {
    DiagramBuilder b;
    const auto gain = b.block("Gain", "G");
    b.in(gain);
    b.connect({}, {});
    BlocksOnlyPopulator populator;
    EXPECT_EQ(childrenOf(populator, b.diagram), Objects{gain});
    EXPECT_TRUE(childrenOf(populator, gain).empty());
    EXPECT_EQ(populator.initializations, 1);
}

TEST(GetChildrenBaseDispatch, AsksThePopulatorsOwnHasChildren) {
    DiagramBuilder b;
    const auto gain = b.block("Gain", "G");
    BlocksOnlyPopulator populator;
    EXPECT_TRUE(populator.hasAtleastOneChild(gain));
    populator.blocksHaveChildren = false;
    EXPECT_FALSE(populator.hasAtleastOneChild(gain));
    EXPECT_TRUE(populator.hasAtleastOneChild(b.diagram));
}

TEST(GetChildrenBaseDispatch, GivesNothingWhenTheHandlerRaisesTheRepositoryException) {
    GenericModel m;
    const auto parent = m.node("p");
    m.node("c", parent);
    FailingPopulator populator;
    EXPECT_TRUE(childrenOf(populator, parent).empty());
    EXPECT_FALSE(populator.hasAtleastOneChild(parent));
}

// --- Studio application ---

TEST(GetChildrenBaseStudioApp, KeepsTheApplicationItIsGiven) {
    ExplorerTest::StudioWithApp s;
    GetChildrenBase populator;
    EXPECT_EQ(populator.getStudioApp(), nullptr);
    populator.setStudioApp(s.app);
    EXPECT_EQ(populator.getStudioApp(), s.app);
}

}  // namespace
