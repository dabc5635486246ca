#include "dove2/explorer/TreeComponent.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "ExplorerTestSupport.h"
#include "dove2/explorer/TreeComponentDelegate.h"
#include "host/vtquill/DiagramBuilder.h"

using DOVE2::TreeComponent;
using DOVE2::TreeComponentDelegate;
using ExplorerTest::SelectionRecorder;
using ExplorerTest::StudioWithApp;
using Objects = std::vector<QUILL::ImmutableClassObject>;
using VTQuillTest::DiagramBuilder;

namespace {

std::string nameOf(const QUILL::ImmutableClassObject& o) {
    return DOVE2::ElementDescriberBase::describeByName(o);
}

// Logs what the tree asks of it; can decline reports, name the roots and give an icon path.
class RecordingDelegate : public TreeComponentDelegate {
public:
    RecordingDelegate(HARBOR::Studio* studio, std::vector<std::string>& log,
                      bool* destroyed = nullptr)
        : TreeComponentDelegate(studio), log_(log), destroyed_(destroyed) {}
    ~RecordingDelegate() override {
        if (destroyed_)
            *destroyed_ = true;
    }
    void describeElement(std::string& result, const QUILL::ImmutableClassObject& o,
                         unsigned flags) override {
        log_.push_back("describe " + nameOf(o));
        TreeComponentDelegate::describeElement(result, o, flags);
    }
    void getIconOf(std::string& result, const QUILL::ImmutableClassObject& o) override {
        log_.push_back("icon " + nameOf(o));
        result = iconPath;
    }
    void getChildrenOf(const QUILL::ImmutableClassObject& o, Objects& result) override {
        log_.push_back("children " + nameOf(o));
        TreeComponentDelegate::getChildrenOf(o, result);
    }
    bool hasChildren(const QUILL::ImmutableClassObject& o) override {
        log_.push_back("has " + nameOf(o));
        return alwaysHasChildren || TreeComponentDelegate::hasChildren(o);
    }
    Objects getRootsOf(const QUILL::ImmutableModel& model) override {
        return roots.empty() ? TreeComponentDelegate::getRootsOf(model) : roots;
    }
    bool shouldRefreshFromReportOfChanges(const ReportOfChanges& report) const override {
        log_.push_back("report");
        return refreshOnReports && TreeComponentDelegate::shouldRefreshFromReportOfChanges(report);
    }

    std::string iconPath;
    Objects roots;
    bool refreshOnReports = true;
    bool alwaysHasChildren = false;

private:
    std::vector<std::string>& log_;
    bool* destroyed_;
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

class TreeComponentTest : public ::testing::Test {
protected:
    TreeComponentTest() {
        ExplorerTest::qtApplication();
        gain = b.block("Gain", "G");
        in = b.in(gain);
        scope = b.block("Scope", "S");
        b.commit();
    }

    QTreeWidget* widget() const { return static_cast<QTreeWidget*>(tree->getWidget()); }
    QTreeWidgetItem* top(int i = 0) const { return widget()->topLevelItem(i); }
    static std::vector<std::string> textsBelow(const QTreeWidgetItem* item) {
        std::vector<std::string> texts;
        for (int i = 0; i < item->childCount(); ++i)
            texts.push_back(item->child(i)->text(0).toStdString());
        return texts;
    }
    QTreeWidgetItem* child(QTreeWidgetItem* parent, const std::string& text) const {
        for (int i = 0; i < parent->childCount(); ++i) {
            if (parent->child(i)->text(0).toStdString() == text)
                return parent->child(i);
        }
        return nullptr;
    }
    // The tree shown on screen with the model, its top node expanded.
    void showModel() {
        tree->addModel(b.model);
        widget()->resize(300, 300);
        widget()->show();
        widget()->expandItem(top());
        QCoreApplication::processEvents();
    }
    void click(QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(widget()->viewport(), Qt::LeftButton, modifiers,
                          widget()->visualItemRect(item).center());
    }

    StudioWithApp s;
    DiagramBuilder b{"m"};
    VTQUILL::Block gain;
    VTQUILL::Port in;
    VTQUILL::Block scope;
    SelectionRecorder recorder{*s.app};
    std::unique_ptr<TreeComponent> tree =
        std::make_unique<TreeComponent>(&s.studio, TreeComponent::kComponentName);
};

// --- Identity and widget ---

TEST_F(TreeComponentTest, NamesItsTypeAndMakesItsWidgetOnce) {
    EXPECT_EQ(TreeComponent::staticGetTypeName(), "DOVE2:TreeComponent");
    EXPECT_EQ(tree->getTypeName(), "DOVE2:TreeComponent");
    EXPECT_EQ(tree->getName(), "DOVE2 tree component");
    ASSERT_NE(tree->getWidget(), nullptr);
    EXPECT_EQ(tree->getWidget(), tree->getWidget());
}

// --- Models ---

TEST_F(TreeComponentTest, ShowsEachModelAsItsTopLevelNodesInTheOrderAdded) {
    ExplorerTest::GenericModel generic;
    tree->addModel(b.model);
    tree->addModel(generic.model);
    ASSERT_EQ(widget()->topLevelItemCount(), 2);
    EXPECT_EQ(top(0)->text(0), "m");
    EXPECT_EQ(top(1)->text(0), "Model");
}

TEST_F(TreeComponentTest, ShowsAModelOnceWhicheverInstanceIsAdded) {
    tree->addModel(b.model);
    tree->addModel(b.model.createWorkingCopy());
    EXPECT_EQ(widget()->topLevelItemCount(), 1);
    EXPECT_EQ(tree->getModels(), std::vector<QUILL::ImmutableModel>{b.model});
}

TEST_F(TreeComponentTest, RemovingAModelTakesItsNodesAway) {
    tree->addModel(b.model);
    widget();
    tree->removeModel(b.model);
    EXPECT_EQ(widget()->topLevelItemCount(), 0);
    EXPECT_TRUE(tree->getModels().empty());
}

TEST_F(TreeComponentTest, AClosedModelLeavesTheTree) {
    auto other = std::make_unique<DiagramBuilder>("other");
    tree->addModel(b.model);
    tree->addModel(other->model);
    ASSERT_EQ(widget()->topLevelItemCount(), 2);
    other.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(widget()->topLevelItemCount(), 1);
    EXPECT_EQ(tree->getModels().size(), 1u);
}

// --- Lazy filling ---

TEST_F(TreeComponentTest, ANodeIsFilledWhenFirstExpanded) {
    tree->addModel(b.model);
    EXPECT_EQ(top()->childCount(), 0);
    EXPECT_EQ(top()->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    widget()->expandItem(top());
    EXPECT_EQ(textsBelow(top()), (std::vector<std::string>{"G", "S"}));
    QTreeWidgetItem* g = child(top(), "G");
    widget()->expandItem(g);
    EXPECT_EQ(textsBelow(g), std::vector<std::string>{"Port"});
}

TEST_F(TreeComponentTest, ANodeWithoutChildrenShowsNoExpander) {
    tree->addModel(b.model);
    widget()->expandItem(top());
    EXPECT_EQ(child(top(), "S")->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    EXPECT_EQ(child(top(), "G")->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
}

TEST_F(TreeComponentTest, ANodeThatTurnsOutEmptyLosesItsExpander) {
    std::vector<std::string> log;
    auto* delegate = new RecordingDelegate(&s.studio, log);
    delegate->alwaysHasChildren = true;
    tree->setDelegate(delegate);
    tree->addModel(b.model);
    widget()->expandItem(top());
    QTreeWidgetItem* item = child(top(), "S");
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    widget()->expandItem(item);
    EXPECT_EQ(item->childCount(), 0);
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
}

TEST_F(TreeComponentTest, NodesShowTheObjectTheyStandFor) {
    tree->addModel(b.model);
    widget()->expandItem(top());
    EXPECT_EQ(tree->objectOf(top()), b.diagram);
    EXPECT_EQ(tree->objectOf(child(top(), "G")), gain);
    QTreeWidgetItem foreign;
    EXPECT_FALSE(tree->objectOf(&foreign).isValid());
    EXPECT_FALSE(tree->objectOf(nullptr).isValid());
}

// --- Following the models ---

TEST_F(TreeComponentTest, ACommittedChangeRebuildsTheTreeAtTheNextTurnOfTheEventLoop) {
    showModel();
    b.block("Sum", "New");
    b.commit();
    EXPECT_TRUE(tree->isRefreshPending());
    EXPECT_EQ(top()->childCount(), 2);
    QCoreApplication::processEvents();
    EXPECT_FALSE(tree->isRefreshPending());
    EXPECT_EQ(textsBelow(top()), (std::vector<std::string>{"G", "S", "New"}));
}

TEST_F(TreeComponentTest, ExpansionAndSelectionSurviveARebuildWhichSendsNothing) {
    showModel();
    widget()->expandItem(child(top(), "G"));
    click(child(top(), "G"));
    const std::size_t sent = recorder.events.size();
    b.block("Sum", "New");
    b.commit();
    QCoreApplication::processEvents();
    QTreeWidgetItem* g = child(top(), "G");
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(top()->isExpanded());
    EXPECT_TRUE(g->isExpanded());
    EXPECT_EQ(textsBelow(g), std::vector<std::string>{"Port"});
    EXPECT_TRUE(g->isSelected());
    EXPECT_EQ(tree->getSelection(), Objects{gain});
    EXPECT_EQ(widget()->currentItem(), g);
    EXPECT_EQ(recorder.events.size(), sent);
}

TEST_F(TreeComponentTest, ANodeWhoseObjectWentIsNotSelectedAfterTheRebuild) {
    showModel();
    click(child(top(), "S"));
    scope.destroy();
    b.commit();
    QCoreApplication::processEvents();
    EXPECT_EQ(textsBelow(top()), std::vector<std::string>{"G"});
    EXPECT_TRUE(tree->getSelection().empty());
    EXPECT_TRUE(widget()->selectedItems().isEmpty());
}

TEST_F(TreeComponentTest, AChangeOfAModelNotShownLeavesTheTreeAlone) {
    DiagramBuilder other("other");
    showModel();
    other.block("Gain", "X");
    other.commit();
    EXPECT_FALSE(tree->isRefreshPending());
}

TEST_F(TreeComponentTest, FollowsTheStudioApplicationsCompletedTransactions) {
    PARR::ErrorHolder errors;
    tree->initialize(errors);
    showModel();
    b.block("Sum", "New");
    const auto changes = b.commit();
    QCoreApplication::processEvents();
    ASSERT_FALSE(tree->isRefreshPending());

    using Report = DOVE2::TransactionCompletedEvent::Report;
    DiagramBuilder other("other");
    s.app->getTransactionCompletedEventService().send(DOVE2::TransactionCompletedEvent(
        std::make_shared<const Report>(other.model.getDeviant(), changes)));
    EXPECT_FALSE(tree->isRefreshPending()) << "a report of a model not shown";
    s.app->getTransactionCompletedEventService().send(DOVE2::TransactionCompletedEvent(
        std::make_shared<const Report>(b.model.getDeviant(), changes)));
    EXPECT_TRUE(tree->isRefreshPending());
}

TEST_F(TreeComponentTest, TerminatingForgetsTheModels) {
    showModel();
    PARR::ErrorHolder errors;
    tree->terminate(errors);
    EXPECT_TRUE(tree->getModels().empty());
    EXPECT_EQ(widget()->topLevelItemCount(), 0);
    b.block("Sum", "New");
    b.commit();
    EXPECT_FALSE(tree->isRefreshPending());
}

// --- Selection ---

TEST_F(TreeComponentTest, AUserSelectionSendsTheComponentNameKindZeroAndTheObject) {
    showModel();
    click(child(top(), "G"));
    ASSERT_EQ(recorder.events.size(), 1u);
    const DOVE2::TreeSelectionChangedEvent& event = recorder.events.back();
    EXPECT_EQ(event.getComponentName(), "DOVE2 tree component");
    EXPECT_EQ(event.getSelectionKind(), TreeComponent::kUserSelection);
    EXPECT_EQ(event.getSelection(), std::vector<QUILL::ClassObject>{QUILL::ClassObject(gain)});
    EXPECT_EQ(event.lastSelection(), gain);
}

TEST_F(TreeComponentTest, ASelectionListsTheObjectsInTheOrderPicked) {
    showModel();
    click(child(top(), "S"));
    click(child(top(), "G"), Qt::ControlModifier);
    click(top(), Qt::ControlModifier);
    const auto& selection = recorder.events.back().getSelection();
    EXPECT_EQ(Objects(selection.begin(), selection.end()), (Objects{scope, gain, b.diagram}));
    click(child(top(), "S"), Qt::ControlModifier);
    const auto& rest = recorder.events.back().getSelection();
    EXPECT_EQ(Objects(rest.begin(), rest.end()), (Objects{gain, b.diagram}));
}

TEST_F(TreeComponentTest, ARangeSelectionListsTheEarlierPickFirstAndTheClickedNodeLast) {
    showModel();
    click(child(top(), "S"));
    click(top(), Qt::ShiftModifier);
    const auto& selection = recorder.events.back().getSelection();
    EXPECT_EQ(Objects(selection.begin(), selection.end()), (Objects{scope, gain, b.diagram}));
}

TEST_F(TreeComponentTest, WithoutAFrameworkStudioApplicationNothingIsSent) {
    HARBOR::Studio bare;
    tree = std::make_unique<TreeComponent>(&bare, TreeComponent::kComponentName);
    showModel();
    click(child(top(), "G"));
    EXPECT_EQ(tree->getSelection(), Objects{gain});
    EXPECT_TRUE(recorder.events.empty());
    tree.reset();
}

TEST_F(TreeComponentTest, RevealingAnObjectExpandsItsPathAndSelectsIt) {
    tree->addModel(b.model);
    widget();
    ASSERT_TRUE(tree->revealObject(in));
    QTreeWidgetItem* g = child(top(), "G");
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(top()->isExpanded());
    EXPECT_TRUE(g->isExpanded());
    EXPECT_TRUE(child(g, "Port")->isSelected());
    ASSERT_EQ(recorder.events.size(), 1u);
    EXPECT_EQ(recorder.events.back().getSelectionKind(), TreeComponent::kProgramSelection);
    EXPECT_EQ(recorder.events.back().lastSelection(), in);
}

TEST_F(TreeComponentTest, RevealingAnObjectNotInTheTreeChangesNothing) {
    DiagramBuilder other("other");
    tree->addModel(b.model);
    widget();
    EXPECT_FALSE(tree->revealObject(other.block("Gain", "X")));
    EXPECT_FALSE(tree->revealObject(QUILL::ImmutableClassObject()));
    EXPECT_FALSE(top()->isExpanded());
    EXPECT_TRUE(recorder.events.empty());
}

// --- The delegate ---

TEST_F(TreeComponentTest, TheDelegateIsAskedForEachNodeAndForChildrenOnlyOnExpansion) {
    std::vector<std::string> log;
    tree->setDelegate(new RecordingDelegate(&s.studio, log));
    tree->addModel(b.model);
    widget();
    EXPECT_NE(std::find(log.begin(), log.end(), "describe m"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "icon m"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "has m"), log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), "children m"), log.end());
    widget()->expandItem(top());
    EXPECT_NE(std::find(log.begin(), log.end(), "children m"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "describe G"), log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), "children G"), log.end());
}

TEST_F(TreeComponentTest, OwnsItsDelegateAndDestroysTheOneReplaced) {
    std::vector<std::string> log;
    bool firstGone = false;
    bool secondGone = false;
    auto* first = new RecordingDelegate(&s.studio, log, &firstGone);
    tree->setDelegate(first);
    EXPECT_EQ(tree->getDelegate(), first);
    EXPECT_EQ(first->getTreeComponent(), tree.get());
    tree->setDelegate(first);
    EXPECT_FALSE(firstGone);
    tree->setDelegate(new RecordingDelegate(&s.studio, log, &secondGone));
    EXPECT_TRUE(firstGone);
    tree->setDelegate(nullptr);
    EXPECT_TRUE(secondGone);
    ASSERT_NE(tree->getDelegate(), nullptr);
    EXPECT_EQ(tree->getDelegate()->getTreeComponent(), tree.get());
    tree.reset();
}

TEST_F(TreeComponentTest, ADelegateThatDeclinesAReportKeepsTheTreeAsItIs) {
    std::vector<std::string> log;
    auto* delegate = new RecordingDelegate(&s.studio, log);
    delegate->refreshOnReports = false;
    tree->setDelegate(delegate);
    showModel();
    b.block("Sum", "New");
    b.commit();
    EXPECT_NE(std::find(log.begin(), log.end(), "report"), log.end());
    EXPECT_FALSE(tree->isRefreshPending());
}

TEST_F(TreeComponentTest, TheDelegateChoosesTheRoots) {
    std::vector<std::string> log;
    auto* delegate = new RecordingDelegate(&s.studio, log);
    delegate->roots = {scope, gain};
    tree->setDelegate(delegate);
    tree->addModel(b.model);
    ASSERT_EQ(widget()->topLevelItemCount(), 2);
    EXPECT_EQ(top(0)->text(0), "S");
    EXPECT_EQ(top(1)->text(0), "G");
}

TEST_F(TreeComponentTest, ANewDescriberOnTheDelegateRelabelsTheTreeAtOnce) {
    showModel();
    tree->getDelegate()->setElementDescriber(
        boost::shared_ptr<DOVE2::ElementDescriberBase>(new MemberDescriber()));
    EXPECT_EQ(top()->text(0), "member");
    EXPECT_EQ(textsBelow(top()), (std::vector<std::string>{"member", "member"}));
}

TEST_F(TreeComponentTest, ShowsTheIconFileTheDelegateNamesWithEitherSeparator) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("icon.png");
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(file));
    std::vector<std::string> log;
    auto* delegate = new RecordingDelegate(&s.studio, log);
    delegate->iconPath = QString(file).replace('/', '\\').toStdString();
    tree->setDelegate(delegate);
    tree->addModel(b.model);
    EXPECT_FALSE(top()->icon(0).pixmap(8, 8).isNull());
    delegate->iconPath.clear();
    tree->refresh();
    EXPECT_TRUE(top()->icon(0).isNull());
}

TEST_F(TreeComponentTest, AnEditedTextGoesToTheDelegate) {
    std::vector<std::string> renames;
    auto* delegate = new TreeComponentDelegate(&s.studio);
    delegate->setElementIsEditableVisitor([](const QUILL::ImmutableClassObject&) { return true; });
    delegate->setElementSetDescriptionVisitor(
        [&renames](const QUILL::ImmutableClassObject& o, const std::string& text) {
            renames.push_back(nameOf(o) + "=" + text);
            return false;
        });
    tree->setDelegate(delegate);
    showModel();
    QTreeWidgetItem* g = child(top(), "G");
    EXPECT_TRUE(g->flags() & Qt::ItemIsEditable);
    EXPECT_NE(widget()->editTriggers(), QAbstractItemView::NoEditTriggers);
    g->setText(0, "Renamed");
    EXPECT_EQ(renames, std::vector<std::string>{"G=Renamed"});
    QCoreApplication::processEvents();
    EXPECT_EQ(textsBelow(top()), (std::vector<std::string>{"G", "S"}));
}

}  // namespace
