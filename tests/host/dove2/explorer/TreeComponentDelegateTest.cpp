#include "dove2/explorer/TreeComponentDelegate.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>

#include "ExplorerTestSupport.h"
#include "dove2/explorer/BasicCompositeFilter.h"
#include "host/vtquill/DiagramBuilder.h"

using DOVE2::TreeComponentDelegate;
using ExplorerTest::ExplorerDomain;
using ExplorerTest::GenericModel;
using ExplorerTest::GenericTypes;
using ExplorerTest::StudioWithApp;
using Objects = std::vector<QUILL::ImmutableClassObject>;
using VTQuillTest::DiagramBuilder;

namespace {

// Counts the calls of the two service hooks.
class HookCountingDelegate : public TreeComponentDelegate {
public:
    using TreeComponentDelegate::TreeComponentDelegate;
    void onSetIconController() override { ++iconHooks; }
    void onSetElementDescriber() override { ++describerHooks; }
    int iconHooks = 0;
    int describerHooks = 0;
};

// Describes everything as "member".
class MemberDescriber : public DOVE2::ElementDescriberBase {
public:
    void initializeDispatch() override {
        static const Table table = [] {
            Table t;
            t.setDefault([](Table::VisitorType&, const QUILL::ImmutableClassObject&) {
                return std::string("member");
            });
            return t;
        }();
        setDispatchTable(&table);
    }
};

class TreeComponentDelegateTest : public ::testing::Test {
protected:
    TreeComponentDelegateTest() { ExplorerDomain::registered(); }

    StudioWithApp s;
    TreeComponentDelegate delegate{&s.studio};

    std::string describe(const QUILL::ImmutableClassObject& o) {
        std::string text = "unset";
        delegate.describeElement(text, o, 0);
        return text;
    }
    std::string iconOf(const QUILL::ImmutableClassObject& o) {
        std::string icon = "unset";
        delegate.getIconOf(icon, o);
        return icon;
    }
    Objects childrenOf(const QUILL::ImmutableClassObject& o) {
        Objects children;
        delegate.getChildrenOf(o, children);
        return children;
    }
};

// --- Serving objects of models without a domain ---

TEST_F(TreeComponentDelegateTest, ServesAModelWithoutADomainWithTheFrameworkServices) {
    GenericModel m;
    const auto parent = m.node("parent");
    const auto child = m.node("child", parent);
    EXPECT_EQ(describe(parent), "parent");
    EXPECT_EQ(iconOf(parent), DOVE2::GetIconBase().getDefaultIconNode().name);
    EXPECT_EQ(childrenOf(parent), Objects{child});
    EXPECT_TRUE(delegate.hasChildren(parent));
    EXPECT_FALSE(delegate.hasChildren(child));
}

TEST_F(TreeComponentDelegateTest, KnowsTheStudioAndItsApplication) {
    EXPECT_EQ(delegate.getStudio(), &s.studio);
    EXPECT_EQ(delegate.getStudioApp(), s.app);
    EXPECT_EQ(delegate.getTreeComponent(), nullptr);
    HARBOR::Studio bare;
    EXPECT_EQ(TreeComponentDelegate(&bare).getStudioApp(), nullptr);
}

// --- Serving objects of a domain's models ---

TEST_F(TreeComponentDelegateTest, ServesADomainsModelWithTheDomainsServices) {
    ExplorerDomain& domain = ExplorerDomain::registered();
    GenericModel m(GenericTypes::get().domainModel);
    const auto parent = m.node("parent");
    const auto child = m.node("child", parent);
    EXPECT_EQ(describe(parent), "domain:parent");
    EXPECT_EQ(iconOf(parent), "domain.png");
    EXPECT_EQ(childrenOf(parent), Objects{child});
    EXPECT_EQ(domain.lastPopulator->studioAppSets, 1);
    EXPECT_EQ(domain.lastPopulator->getStudioApp(), s.app);
}

TEST_F(TreeComponentDelegateTest, AsksADomainForItsPopulatorOnce) {
    ExplorerDomain& domain = ExplorerDomain::registered();
    GenericModel m(GenericTypes::get().domainModel);
    const auto parent = m.node("parent");
    const int before = domain.populatorRequests;
    childrenOf(parent);
    delegate.hasChildren(parent);
    childrenOf(m.node("other"));
    EXPECT_EQ(domain.populatorRequests, before + 1);
}

// --- Services set on the delegate ---

TEST_F(TreeComponentDelegateTest, AServiceSetOnTheDelegateServesEveryObject) {
    GenericModel plain;
    GenericModel ofDomain(GenericTypes::get().domainModel);
    const auto a = plain.node("a");
    const auto b = ofDomain.node("b");
    delegate.setElementDescriber(
        boost::shared_ptr<DOVE2::ElementDescriberBase>(new MemberDescriber()));
    EXPECT_EQ(describe(a), "member");
    EXPECT_EQ(describe(b), "member");
    delegate.setElementDescriber(nullptr);
    EXPECT_EQ(describe(b), "domain:b");
}

TEST_F(TreeComponentDelegateTest, ASetPopulatorIsGivenTheStudioApplicationAndServesChildren) {
    GenericModel m;
    const auto parent = m.node("parent");
    m.node("child", parent);
    auto populator =
        boost::shared_ptr<ExplorerTest::CountingPopulator>(new ExplorerTest::CountingPopulator());
    delegate.setGetChildrenMember(populator);
    EXPECT_EQ(populator->getStudioApp(), s.app);
    EXPECT_EQ(childrenOf(parent).size(), 1u);
}

TEST_F(TreeComponentDelegateTest, TheFilterIsThatOfTheSetPopulator) {
    EXPECT_EQ(delegate.getFilter(), nullptr);
    auto filter =
        boost::shared_ptr<DOVE2::Util::TreeFilter>(new DOVE2::Util::BasicCompositeFilter());
    delegate.setGetChildrenMember(
        boost::shared_ptr<DOVE2::GetChildrenBase>(new DOVE2::GetChildrenBase(filter)));
    EXPECT_EQ(delegate.getFilter(), filter);
}

TEST(TreeComponentDelegateHooks, SettingTheIconControllerOrDescriberTellsTheHook) {
    HARBOR::Studio studio;
    HookCountingDelegate delegate(&studio);
    delegate.setGetIconMember(boost::shared_ptr<DOVE2::GetIconBase>(new DOVE2::GetIconBase()));
    delegate.setGetIconMember(nullptr);
    delegate.setElementDescriber(nullptr);
    EXPECT_EQ(delegate.iconHooks, 2);
    EXPECT_EQ(delegate.describerHooks, 1);
}

// --- Roots and paths ---

TEST_F(TreeComponentDelegateTest, ABlockDiagramModelShowsAsItsTopLevelDiagram) {
    DiagramBuilder b("m");
    EXPECT_EQ(delegate.getRootsOf(b.model), Objects{b.diagram});
}

TEST_F(TreeComponentDelegateTest, AModelWithoutDiagramsShowsAsItsModelObject) {
    GenericModel m;
    m.node("n");
    EXPECT_EQ(delegate.getRootsOf(m.model), Objects{m.model.getModelObject()});
    EXPECT_TRUE(delegate.getRootsOf(QUILL::ImmutableModel()).empty());
}

TEST_F(TreeComponentDelegateTest, ThePathFromTheRootRunsDownTheContainers) {
    DiagramBuilder b("m");
    const auto gain = b.block("Gain", "G");
    const auto in = b.in(gain);
    const auto path = delegate.getPathFromRoot(in);
    EXPECT_EQ(Objects(path.begin(), path.end()), (Objects{b.diagram, gain, in}));
    const auto root = delegate.getPathFromRoot(b.diagram);
    EXPECT_EQ(Objects(root.begin(), root.end()), Objects{b.diagram});
}

TEST_F(TreeComponentDelegateTest, ThereIsNoPathToAnObjectOutsideTheRoots) {
    DiagramBuilder b("m");
    const auto free = QUILL::ClassObject::create(b.model, VTQUILL::Block::MetaClass().get(), {});
    EXPECT_TRUE(delegate.getPathFromRoot(free).empty());
    EXPECT_TRUE(delegate.getPathFromRoot(QUILL::ImmutableClassObject()).empty());
}

// --- Editing texts ---

TEST_F(TreeComponentDelegateTest, EditsNothingWithoutVisitors) {
    GenericModel m;
    const auto n = m.node("n");
    EXPECT_FALSE(delegate.isElementEditable(n));
    EXPECT_FALSE(delegate.setDescription(n, "renamed"));
    EXPECT_EQ(delegate.getEditTrigger(), QAbstractItemView::NoEditTriggers);
}

TEST_F(TreeComponentDelegateTest, EditsThroughTheVisitors) {
    GenericModel m;
    const auto n = m.node("n");
    std::vector<std::string> told;
    delegate.setElementIsEditableVisitor([](const QUILL::ImmutableClassObject&) { return true; });
    delegate.setElementSetDescriptionVisitor(
        [&told](const QUILL::ImmutableClassObject& o, const std::string& text) {
            told.push_back(ExplorerTest::namesOf({o}).front() + "=" + text);
            return true;
        });
    EXPECT_TRUE(delegate.isElementEditable(n));
    EXPECT_TRUE(delegate.setDescription(n, "renamed"));
    EXPECT_EQ(told, std::vector<std::string>{"n=renamed"});
    EXPECT_NE(delegate.getEditTrigger() & QAbstractItemView::EditKeyPressed, 0);
}

// --- Refreshing ---

TEST_F(TreeComponentDelegateTest, AReportNeedsARefreshUnlessItIsEmpty) {
    GenericModel m;
    m.node("n");
    const auto changes = m.commit();
    const TreeComponentDelegate::ReportOfChanges full(m.model.getDeviant(), changes);
    const TreeComponentDelegate::ReportOfChanges empty(m.model.getDeviant(),
                                                       std::make_shared<QUILL::ChangeSet>());
    EXPECT_TRUE(delegate.shouldRefreshFromReportOfChanges(full));
    EXPECT_FALSE(delegate.shouldRefreshFromReportOfChanges(empty));
}

}  // namespace
