#include "dove2/explorer/GetIconBase.h"

#include <gtest/gtest.h>

#include "ExplorerTestSupport.h"
#include "dove2/ModelSchema.h"
#include "host/vtquill/DiagramBuilder.h"

using DOVE2::GetIconBase;
using DOVE2::IconNode;
using VTQuillTest::DiagramBuilder;

namespace {

// Knows blocks and framework diagrams; each filling names its icons after the filling's
// number, so a second filling is told from the first.
class TestIcons : public GetIconBase {
public:
    void fillIconNodes(IconMap& nodes) const override {
        ++fillings;
        const std::string n = std::to_string(fillings);
        nodes.insertOrAssign(
            VTQUILL::Block::MetaClass(),
            IconNode{VTQUILL::Block::MetaClass(), "block" + n + ".png", "T:Block"});
        nodes.insertOrAssign(
            DOVE2::ModelSchema::get().diagram,
            IconNode{DOVE2::ModelSchema::get().diagram, "diagram.png", "T:Diagram"});
    }
    void initializeDispatch() override {
        static const Table table = [] {
            Table t;
            t.add<VTQUILL::Block>([](Table::VisitorType& v, const QUILL::ImmutableClassObject&) {
                return static_cast<GetIconBase&>(v).getNameGivenType(VTQUILL::Block::MetaClass());
            });
            t.setDefault([](Table::VisitorType&, const QUILL::ImmutableClassObject&) {
                return std::string();
            });
            return t;
        }();
        setDispatchTable(&table);
    }
    mutable int fillings = 0;
};

// --- The base as it stands ---

TEST(GetIconBaseGeneric, GivesEveryObjectTheDefaultIcon) {
    DiagramBuilder b;
    GetIconBase icons;
    const IconNode& fallback = icons.getDefaultIconNode();
    EXPECT_EQ(icons.execute(b.block("Gain", "G")), fallback.name);
    EXPECT_EQ(icons.execute(b.diagram), fallback.name);
    EXPECT_EQ(icons.getTagGivenType(VTQUILL::Block::MetaClass()), GetIconBase::kUnknownTag);
}

TEST(GetIconBaseGeneric, TheDefaultIconIsAFileOfTheIconFolderWithoutAType) {
    const IconNode& fallback = GetIconBase().getDefaultIconNode();
    EXPECT_FALSE(fallback.type.isValid());
    EXPECT_EQ(fallback.name, GetIconBase::iconFolder() + "/" + GetIconBase::kDefaultIconFile);
    EXPECT_EQ(fallback.tag, "DOVE2:Unknown");
    EXPECT_EQ(&GetIconBase().getDefaultIconNode(), &fallback);
}

TEST(GetIconBaseGeneric, TheIconFolderIsTheResourcesFolderOfTheInstallation) {
    const std::string folder = GetIconBase::iconFolder();
    const std::string tail = "/toolbox/shared/ferstudio/resources";
    ASSERT_GT(folder.size(), tail.size());
    EXPECT_EQ(folder.substr(folder.size() - tail.size()), tail);
}

TEST(GetIconBaseGeneric, GivesNoIconForAnInvalidObject) {
    EXPECT_EQ(GetIconBase().execute(QUILL::ImmutableClassObject()), "");
}

// --- The icon manager ---

TEST(GetIconBaseManager, IsFilledOnTheFirstLookupOnly) {
    TestIcons icons;
    EXPECT_TRUE(icons.getIconManager().empty());
    EXPECT_EQ(icons.getNameGivenType(VTQUILL::Block::MetaClass()), "block1.png");
    EXPECT_EQ(icons.getTagGivenType(VTQUILL::Block::MetaClass()), "T:Block");
    EXPECT_EQ(icons.fillings, 1);
    EXPECT_EQ(icons.getIconManager().size(), 2u);
}

TEST(GetIconBaseManager, IsFilledAgainWhenPopulatedOnRequest) {
    TestIcons icons;
    icons.getNameGivenType(VTQUILL::Block::MetaClass());
    icons.populateIconManager();
    EXPECT_EQ(icons.getNameGivenType(VTQUILL::Block::MetaClass()), "block2.png");
    EXPECT_EQ(icons.getIconManager().size(), 2u);
}

TEST(GetIconBaseManager, AClassWithoutANodeTakesItsNearestSuperclassNode) {
    TestIcons icons;
    const IconNode& node = icons.getIconNodeGivenType(VTQUILL::Diagram::MetaClass());
    EXPECT_EQ(node.name, "diagram.png");
    EXPECT_EQ(node.type, DOVE2::ModelSchema::get().diagram);
}

TEST(GetIconBaseManager, AClassWithoutANodeOnItsWayUpTakesTheDefaultNode) {
    TestIcons icons;
    EXPECT_EQ(icons.getIconNodeGivenType(VTQUILL::Port::MetaClass()), icons.getDefaultIconNode());
    EXPECT_EQ(icons.getIconNodeGivenType(QUILL::ImmutableType()), icons.getDefaultIconNode());
}

TEST(GetIconBaseManager, DoGetIconNodeGivenTypeLooksUpWithoutFilling) {
    TestIcons icons;
    EXPECT_EQ(icons.doGetIconNodeGivenType(VTQUILL::Block::MetaClass()),
              icons.getDefaultIconNode());
    EXPECT_EQ(icons.fillings, 0);
}

// --- Dispatch ---

TEST(GetIconBaseDispatch, RunsTheControllersTablePerClass) {
    DiagramBuilder b;
    TestIcons icons;
    EXPECT_EQ(icons.execute(b.block("Gain", "G")), "block1.png");
    EXPECT_EQ(icons.execute(b.diagram), "");
}

}  // namespace
