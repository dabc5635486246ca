#include "dove2/explorer/ExplorerBarComponent.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "ExplorerTestSupport.h"
#include "dove2/Editor.h"
#include "host/vtquill/DiagramBuilder.h"

using DOVE2::ExplorerBarComponent;
using ExplorerTest::StudioWithApp;
using Names = std::vector<std::string>;
using VTQuillTest::DiagramBuilder;

namespace {

// --- System paths ---

TEST(ExplorerBarPath, SplitsAPathAtSingleSlashes) {
    EXPECT_EQ(ExplorerBarComponent::splitPath("m"), Names{"m"});
    EXPECT_EQ(ExplorerBarComponent::splitPath("m/sub/inner"), (Names{"m", "sub", "inner"}));
}

TEST(ExplorerBarPath, ReadsADoubledSlashAsASlashInsideAName) {
    EXPECT_EQ(ExplorerBarComponent::splitPath("m/a//b/c"), (Names{"m", "a/b", "c"}));
    EXPECT_EQ(ExplorerBarComponent::splitPath("m///b"), (Names{"m/", "b"}));
}

TEST(ExplorerBarPath, AnEmptyPathHasNoNames) {
    EXPECT_TRUE(ExplorerBarComponent::splitPath("").empty());
}

// --- The breadcrumb ---

class ExplorerBarComponentTest : public ::testing::Test {
protected:
    ExplorerBarComponentTest() {
        ExplorerTest::qtApplication();
        sub = b.block("SubSystem", "Sub");
        inner = sub.addSubsystemDiagram();
        b.commit();
    }
    std::string labelText() const {
        return static_cast<QLabel*>(bar->getWidget())->text().toStdString();
    }

    StudioWithApp s;
    DiagramBuilder b{"m"};
    VTQUILL::Block sub;
    VTQUILL::Diagram inner;
    std::unique_ptr<ExplorerBarComponent> bar =
        std::make_unique<ExplorerBarComponent>(&s.studio, "m:Explorer Bar");
};

TEST_F(ExplorerBarComponentTest, NamesItsType) {
    EXPECT_EQ(ExplorerBarComponent::staticGetTypeName(), "DOVE2:ExplorerBarComponent");
    EXPECT_EQ(bar->getTypeName(), ExplorerBarComponent::staticGetTypeName());
}

TEST_F(ExplorerBarComponentTest, ShowsThePathOfTheDiagramFromTheModelDown) {
    bar->setDiagram(inner);
    EXPECT_EQ(bar->getCrumbs(), (Names{"m", "Sub"}));
    EXPECT_EQ(bar->getText(), "m > Sub");
    EXPECT_EQ(labelText(), "m > Sub");
    bar->setDiagram(b.diagram);
    EXPECT_EQ(labelText(), "m");
}

TEST_F(ExplorerBarComponentTest, ShowsNothingWithoutADiagram) {
    EXPECT_TRUE(bar->getCrumbs().empty());
    bar->setDiagram(inner);
    bar->setDiagram(QUILL::ImmutableClassObject());
    EXPECT_EQ(labelText(), "");
}

TEST_F(ExplorerBarComponentTest, ShowsANewNameOnceATransactionCompleted) {
    PARR::ErrorHolder errors;
    bar->initialize(errors);
    bar->setDiagram(inner);
    labelText();
    sub.setName("Renamed");
    b.commit();
    s.app->getTransactionCompletedEventService().send(DOVE2::TransactionCompletedEvent());
    EXPECT_EQ(labelText(), "m > Renamed");
}

TEST_F(ExplorerBarComponentTest, FollowsTheDiagramsOfTheEditorItIsNamedAfter) {
    auto* editor = new DOVE2::Editor(&s.studio, "m");
    PARR::ErrorHolder errors;
    ASSERT_TRUE(s.studio.addComponent(PARR::Holder<HARBOR::StudioComponentBase>(editor), errors));
    editor->setDiagram(DOVE2::Diagram(b.diagram));
    bar->initialize(errors);
    EXPECT_EQ(bar->getText(), "m");
    editor->setDiagram(DOVE2::Diagram(inner));
    EXPECT_EQ(bar->getText(), "m > Sub");
    bar->terminate(errors);
    editor->setDiagram(DOVE2::Diagram(b.diagram));
    EXPECT_EQ(bar->getText(), "m > Sub") << "a terminated bar follows nothing";
    bar.reset();
    s.studio.removeComponent("m");
}

}  // namespace
