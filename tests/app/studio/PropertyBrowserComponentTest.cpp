#include "PropertyBrowserComponent.h"

#include <gtest/gtest.h>

#include <QTableWidget>

#include "StudioTestSupport.h"
#include "harbor/Studio.h"
#include "harbor/StudioComponentFactoryManager.h"
#include "quill/Transaction.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

using VantorStudio::PropertyBrowserComponent;

// The row of the table whose first column reads `name`; -1 when none does.
int rowOf(const QTableWidget& table, const QString& name) {
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.item(row, 0) && table.item(row, 0)->text() == name)
            return row;
    }
    return -1;
}

class PropertyBrowserComponentTest : public ::testing::Test {
protected:
    PropertyBrowserComponentTest() {
        StudioTest::qtApplication();
        model =
            VTQUILL::File::ModelFileReader().load(StudioTest::examplePath("pid_loop.vtm")).model;
        block = model.getDiagrams().front().getBlocks().front();
        PropertyBrowserComponent::registerFactory();
        PARR::ErrorHolder errors;
        browser = dynamic_cast<PropertyBrowserComponent*>(
            studio.createComponent(PropertyBrowserComponent::staticGetTypeName(),
                                   PropertyBrowserComponent::kComponentName, errors));
    }
    ~PropertyBrowserComponentTest() override {
        if (model.isValid())
            model.close();
    }
    QTableWidget& table() const { return *qobject_cast<QTableWidget*>(browser->getWidget()); }

    VTQUILL::Model model;
    VTQUILL::Block block;
    HARBOR::Studio studio;
    PropertyBrowserComponent* browser = nullptr;
};

TEST_F(PropertyBrowserComponentTest, IsMadeByItsFactoryUnderItsTypeName) {
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->getTypeName(), PropertyBrowserComponent::kTypeName);
    EXPECT_FALSE(browser->isDocument());
    PropertyBrowserComponent::registerFactory();  // a second registration changes nothing
    PARR::ErrorHolder errors;
    EXPECT_NE(
        studio.createComponent(PropertyBrowserComponent::staticGetTypeName(), "second", errors),
        nullptr);
}

TEST_F(PropertyBrowserComponentTest, ListsEveryAttributeOfTheShownElementReadOnly) {
    browser->showElement(block);
    const QTableWidget& t = table();
    EXPECT_EQ(t.rowCount(), static_cast<int>(block.getMetaClass().get().getAllAttributes().size()));
    const int nameRow = rowOf(t, "name");
    ASSERT_GE(nameRow, 0);
    EXPECT_EQ(t.item(nameRow, 1)->text().toStdString(), block.getName());
    EXPECT_EQ(t.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(browser->valueText("name"), block.getName());
}

TEST_F(PropertyBrowserComponentTest, FollowsChangesOfTheShownElement) {
    browser->showElement(block);
    {
        QUILL::Transaction tx(model);
        block.setName("Renamed");
        tx.commit();
    }
    EXPECT_EQ(table().item(rowOf(table(), "name"), 1)->text(), "Renamed");
}

TEST_F(PropertyBrowserComponentTest, ForgetsAnElementThatIsDeleted) {
    browser->showElement(block);
    {
        QUILL::Transaction tx(model);
        block.destroy();
        tx.commit();
    }
    EXPECT_FALSE(browser->shownElement().isValid());
    EXPECT_EQ(table().rowCount(), 0);
}

TEST_F(PropertyBrowserComponentTest, ForgetsAnElementWhoseModelCloses) {
    browser->showElement(block);
    model.close();
    EXPECT_FALSE(browser->shownElement().isValid());
    EXPECT_EQ(table().rowCount(), 0);
}

TEST_F(PropertyBrowserComponentTest, AnEmptyHandleClearsTheBrowser) {
    browser->showElement(block);
    browser->showElement(QUILL::ImmutableClassObject());
    EXPECT_EQ(table().rowCount(), 0);
    EXPECT_EQ(browser->valueText("name"), "");
}

// In the example, the error signal leaves the Sum "Error" (whose one output is the third of
// its ports) and splits at a branch point.
TEST_F(PropertyBrowserComponentTest, ShowsASegmentsPointsAndEndsByName) {
    const VTQUILL::Line errorLine = model.getDiagrams().front().getLines()[1];
    const auto segments = errorLine.getSegments();
    ASSERT_EQ(segments.size(), 3u);

    browser->showElement(segments[0]);
    EXPECT_EQ(browser->valueText("src"), "Error/Out1");
    EXPECT_EQ(browser->valueText("dst"), "branch point at (170, 100)");

    browser->showElement(segments[2]);
    EXPECT_EQ(browser->valueText("dst"), "ErrorValue/In1");
    EXPECT_EQ(browser->valueText("path"), "(170, 165)");
    EXPECT_EQ(table().item(rowOf(table(), "dst"), 1)->text(), "ErrorValue/In1");
}

TEST(PropertyBrowserValueText, WritesEachKindOfValueReadably) {
    using VantorStudio::PropertyBrowserComponent;
    EXPECT_EQ(PropertyBrowserComponent::formatValue(QUILL::Value()), "");
    EXPECT_EQ(PropertyBrowserComponent::formatValue(QUILL::Value(true)), "true");
    EXPECT_EQ(PropertyBrowserComponent::formatValue(QUILL::Value(std::int64_t{42})), "42");
    EXPECT_EQ(PropertyBrowserComponent::formatValue(QUILL::Value(2.5)), "2.5");
    EXPECT_EQ(PropertyBrowserComponent::formatValue(QUILL::Value(std::string("Gain"))), "Gain");
    EXPECT_EQ(PropertyBrowserComponent::formatValue(QUILL::Value(PARR::GLPoint<double>{1, -2})),
              "(1, -2)");
    PARR::Path path;
    path.addPoint({0, 0});
    path.addPoint({10, 5});
    EXPECT_EQ(PropertyBrowserComponent::formatValue(QUILL::Value(path)), "(0, 0) (10, 5)");
    EXPECT_EQ(PropertyBrowserComponent::formatValue(QUILL::Value(PARR::Path())),
              "no corners (straight)");
    EXPECT_EQ(PropertyBrowserComponent::formatValue(QUILL::Value(QUILL::ObjectRef{7})),
              "missing element");
    EXPECT_EQ(PropertyBrowserComponent::formatValue(QUILL::Value(QUILL::ObjectRef{})), "");
    EXPECT_EQ(PropertyBrowserComponent::formatValue(
                  QUILL::Value(QUILL::StringMap{{"Gain", "2"}, {"Sat", "on"}})),
              "Gain = 2; Sat = on");
}

}  // namespace
