#include "explorer/TreeControlDelegate.h"

#include <gtest/gtest.h>

#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <string>
#include <vector>

#include "dove2/UndoHistory.h"
#include "editor/explorer/ExplorerModel.h"
#include "editor/explorer/StudioWithExplorer.h"
#include "main/initialize.h"
#include "quill/ClassObject.h"
#include "quill/TypeRegistry.h"
#include "tools/DeleteCommand.h"

namespace {

using Objects = std::vector<QUILL::ImmutableClassObject>;
using Texts = std::vector<std::string>;

// The texts of the children of `item` (of the top-level items for null), in order.
Texts textsBelow(QTreeWidget& tree, QTreeWidgetItem* item = nullptr) {
    Texts texts;
    const int count = item ? item->childCount() : tree.topLevelItemCount();
    for (int i = 0; i < count; ++i)
        texts.push_back((item ? item->child(i) : tree.topLevelItem(i))->text(0).toStdString());
    return texts;
}

// The item of the child named `text` below `item`, expanded; null when there is none.
QTreeWidgetItem* expand(QTreeWidget& tree, QTreeWidgetItem* item, const std::string& text) {
    const int count = item ? item->childCount() : tree.topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* child = item ? item->child(i) : tree.topLevelItem(i);
        if (child->text(0).toStdString() == text) {
            child->setExpanded(true);
            return child;
        }
    }
    return nullptr;
}

class TreeControlDelegateTest : public ::testing::Test {
protected:
    TreeControlDelegateTest() { initialize_vt_editor(); }

    Vantor::TreeControlDelegate& delegate() const {
        return *dynamic_cast<Vantor::TreeControlDelegate*>(started.tree().getDelegate());
    }
    Objects pathTo(const QUILL::ImmutableClassObject& object) const {
        const PARR::GList<QUILL::ImmutableClassObject> path = delegate().getPathFromRoot(object);
        return Objects(path.begin(), path.end());
    }

    TestSupport::ExplorerModel model{"del"};
    TestSupport::StudioWithExplorer started;
};

TEST_F(TreeControlDelegateTest, BlockDiagramObjectsHaveTheModulesNamesIconsAndChildren) {
    std::string text;
    std::string icon;
    delegate().describeElement(text, model.a, 0);
    delegate().getIconOf(icon, model.a);
    Objects children;
    delegate().getChildrenOf(model.a, children);

    EXPECT_EQ(text, "a");
    EXPECT_NE(icon.find("vantor_subsystem.png"), std::string::npos) << icon;
    EXPECT_EQ(children, Objects{model.b});
    EXPECT_TRUE(delegate().hasChildren(model.builder.diagram()));
}

TEST_F(TreeControlDelegateTest, ObjectsOfNeitherDomainAreNotServed) {
    QUILL::TypeRegistry& types = QUILL::TypeRegistry::instance();
    const QUILL::Type* known = types.find("DelegateTest.Thing");
    const QUILL::Type& thingClass = known ? *known : types.define("DelegateTest.Thing");
    const QUILL::ClassObject thing = model.builder.edit([&] {
        return QUILL::ClassObject::create(model.builder.model(), thingClass,
                                          model.builder.diagram());
    });
    std::string text = "stale";
    std::string icon = "stale";
    Objects children{model.a};

    delegate().describeElement(text, thing, 0);
    delegate().getIconOf(icon, thing);
    delegate().getChildrenOf(thing, children);

    EXPECT_EQ(text, "");
    EXPECT_EQ(icon, "");
    EXPECT_TRUE(children.empty());
    EXPECT_FALSE(delegate().hasChildren(thing));
}

TEST_F(TreeControlDelegateTest, ThePathToASubsystemRunsThroughTheBlocksOfItsSystemPath) {
    EXPECT_TRUE(pathTo(model.b).empty()) << "no diagram is known for it yet";
    started.app->block2Diagram(model.b, false);

    EXPECT_EQ(pathTo(model.b), (Objects{model.builder.diagram(), model.a, model.b}));
    EXPECT_EQ(started.app->getNode(started.app->getDiagram("del/a")), model.a)
        << "the walk made the subsystem in between known";
}

TEST_F(TreeControlDelegateTest, TheTreeFollowsCommitsAndUndo) {
    DOVE2::TreeComponent& component = started.tree();
    component.addModel(model.builder.model());
    auto& tree = *dynamic_cast<QTreeWidget*>(component.getWidget());
    ASSERT_EQ(textsBelow(tree), Texts{"del"});
    QTreeWidgetItem* top = expand(tree, nullptr, "del");
    EXPECT_EQ(textsBelow(tree, top), Texts{"a"}) << "no gain, masked or configurable block";
    EXPECT_EQ(textsBelow(tree, expand(tree, top, "a")), Texts{"b"});

    model.builder.subsystem("z", {400, 0, 40, 30});
    ASSERT_TRUE(component.isRefreshPending());
    component.refresh();
    top = tree.topLevelItem(0);
    EXPECT_EQ(textsBelow(tree, top), (Texts{"a", "z"}));
    EXPECT_EQ(textsBelow(tree, top->child(0)), Texts{"b"}) << "still expanded";

    PARR::Holder<Vantor::DeleteCommand> command(
        new Vantor::DeleteCommand(model.builder.model(), "Delete"));
    command->addElement(model.a);
    const auto history = DOVE2::UndoHistory::forModel(model.builder.model());
    PARR::ErrorHolder errors;
    ASSERT_TRUE(history->process(command, errors)) << errors.message();
    component.refresh();
    EXPECT_EQ(textsBelow(tree, tree.topLevelItem(0)), Texts{"z"});

    ASSERT_TRUE(history->undo(errors)) << errors.message();
    component.refresh();
    EXPECT_EQ(textsBelow(tree, tree.topLevelItem(0)), (Texts{"a", "z"}));
}

}  // namespace
