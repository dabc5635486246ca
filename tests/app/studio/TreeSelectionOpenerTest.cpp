#include "TreeSelectionOpener.h"

#include <gtest/gtest.h>

#include "StudioTestSupport.h"
#include "dove2/Editor.h"
#include "dove2/InitializeDove2.h"
#include "dove2/StudioApp.h"
#include "harbor/Studio.h"
#include "quill/Transaction.h"
#include "support/WarningRecorder.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/VTQuill.h"

namespace {

using VantorStudio::TreeSelectionOpener;

class TreeSelectionOpenerTest : public ::testing::Test {
protected:
    TreeSelectionOpenerTest() {
        initialize_vt_datamodel();
        initialize_dove2();
        model = VTQUILL::Factory::createNewModel("m");
        top = model.getDiagrams().front();
        QUILL::Transaction tx(model);
        sub = top.addBlock("Subsystem", "Sub");
        inner = sub.addSubsystemDiagram();
        gain = top.addBlock("Gain", "G");
        tx.commit();
    }
    ~TreeSelectionOpenerTest() override { model.close(); }

    VTQUILL::Model model;
    VTQUILL::Diagram top;
    VTQUILL::Block sub;
    VTQUILL::Diagram inner;
    VTQUILL::Block gain;
};

TEST_F(TreeSelectionOpenerTest, ADiagramStandsForItself) {
    EXPECT_EQ(TreeSelectionOpener::diagramFor(inner), inner);
}

TEST_F(TreeSelectionOpenerTest, AnElementOwningADiagramStandsForThatDiagram) {
    EXPECT_EQ(TreeSelectionOpener::diagramFor(sub), inner);
    EXPECT_EQ(TreeSelectionOpener::diagramFor(model.getModelObject()), top);
}

TEST_F(TreeSelectionOpenerTest, AnElementWithoutADiagramStandsForNothing) {
    EXPECT_FALSE(TreeSelectionOpener::diagramFor(gain).isValid());
    EXPECT_FALSE(TreeSelectionOpener::diagramFor(QUILL::ImmutableClassObject()).isValid());
}

TEST_F(TreeSelectionOpenerTest, OpensTheDiagramOfAUserSelectionOnly) {
    HARBOR::Studio studio;
    PARR::Holder<DOVE2::StudioApp> app(new DOVE2::StudioApp());
    studio.setApp(app);
    PARR::ErrorHolder errors;
    studio.start(errors);
    TreeSelectionOpener opener(*app);

    app->getTreeSelectionChangedEventService().send(
        DOVE2::TreeSelectionChangedEvent("tree", 1, {sub}));
    EXPECT_TRUE(app->getAllEditors().empty());

    app->getTreeSelectionChangedEventService().send(
        DOVE2::TreeSelectionChangedEvent("tree", 0, {gain, sub}));
    ASSERT_EQ(app->getAllEditors().size(), 1u);
    EXPECT_EQ(app->getAllEditors().front()->getDiagram(), inner);

    studio.shutDown(errors);
}

TEST_F(TreeSelectionOpenerTest, ADiagramThatCannotBeOpenedIsReportedToTheUser) {
    HARBOR::Studio studio;
    PARR::Holder<DOVE2::StudioApp> app(new StudioTest::RefusingStudioApp());
    studio.setApp(app);
    TreeSelectionOpener opener(*app);
    TestSupport::WarningRecorder warnings;

    app->getTreeSelectionChangedEventService().send(
        DOVE2::TreeSelectionChangedEvent("tree", 0, {sub}));

    EXPECT_EQ(warnings.identifiers, std::vector<std::string>{DOVE2::StudioApp::kCannotOpenDiagram});
    ASSERT_EQ(warnings.texts.size(), 1u);
    EXPECT_NE(warnings.texts.front().find("m/Sub"), std::string::npos);
}

}  // namespace
