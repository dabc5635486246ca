#include "ExplorerFilter.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTreeWidget>

#include "StudioTestSupport.h"

namespace {

using VantorStudio::ExplorerFilter;

QTreeWidgetItem* node(QTreeWidgetItem* parent, const QString& text) {
    return new QTreeWidgetItem(parent, QStringList{text});
}

// model > Controller > InnerLoop, model > Plant
class ExplorerFilterTest : public ::testing::Test {
protected:
    ExplorerFilterTest() {
        model = new QTreeWidgetItem(QStringList{"model"});
        tree->addTopLevelItem(model);
        controller = node(model, "Controller");
        inner = node(controller, "InnerLoop");
        plant = node(model, "Plant");
    }

    QApplication& qt = StudioTest::qtApplication();
    QTreeWidget* tree = new QTreeWidget();
    ExplorerFilter filter{tree};
    QTreeWidgetItem* model = nullptr;
    QTreeWidgetItem* controller = nullptr;
    QTreeWidgetItem* inner = nullptr;
    QTreeWidgetItem* plant = nullptr;
};

TEST_F(ExplorerFilterTest, ShowsTheMatchingNodesWithTheNodesAboveThemAndNothingElse) {
    filter.field()->setText("loop");

    EXPECT_FALSE(model->isHidden());
    EXPECT_FALSE(controller->isHidden());
    EXPECT_FALSE(inner->isHidden());
    EXPECT_TRUE(plant->isHidden());

    filter.field()->setText("");
    EXPECT_FALSE(plant->isHidden()) << "an empty filter shows everything";
}

TEST_F(ExplorerFilterTest, NodesAddedLaterAreFilteredToo) {
    filter.field()->setText("loop");
    QTreeWidgetItem* added = node(controller, "Gain");
    QTreeWidgetItem* matching = node(model, "OuterLoop");
    StudioTest::processEvents();

    EXPECT_TRUE(added->isHidden());
    EXPECT_FALSE(matching->isHidden());
}

TEST_F(ExplorerFilterTest, ReleasingTheTreeHandsItBackWithoutParent) {
    QTreeWidget* released = filter.releaseTree();
    EXPECT_EQ(released, tree);
    EXPECT_EQ(released->parent(), nullptr);
    EXPECT_EQ(filter.tree(), nullptr);
    delete released;
}

}  // namespace
