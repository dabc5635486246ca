#include "NavigateUpOpener.h"

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

using VantorStudio::NavigateUpOpener;

class NavigateUpOpenerTest : public ::testing::Test {
protected:
    NavigateUpOpenerTest() {
        initialize_vt_datamodel();
        initialize_dove2();
        model = VTQUILL::Factory::createNewModel("m");
        top = model.getDiagrams().front();
        QUILL::Transaction tx(model);
        sub = top.addBlock("Subsystem", "Sub");
        inner = sub.addSubsystemDiagram();
        deep = inner.addBlock("Subsystem", "Deep").addSubsystemDiagram();
        tx.commit();
    }
    ~NavigateUpOpenerTest() override { model.close(); }

    VTQUILL::Model model;
    VTQUILL::Diagram top;
    VTQUILL::Block sub;
    VTQUILL::Diagram inner;
    VTQUILL::Diagram deep;
};

TEST_F(NavigateUpOpenerTest, TheDiagramAboveIsTheOneHoldingTheOwnerOfTheDiagramLeft) {
    EXPECT_EQ(NavigateUpOpener::parentOf(deep), inner);
    EXPECT_EQ(NavigateUpOpener::parentOf(inner), top);
    EXPECT_FALSE(NavigateUpOpener::parentOf(top).isValid()) << "a top-level diagram";
    EXPECT_FALSE(NavigateUpOpener::parentOf(sub).isValid()) << "not a diagram";
}

TEST_F(NavigateUpOpenerTest, ARequestOpensTheDiagramAboveAndATopLevelOneOpensNothing) {
    HARBOR::Studio studio;
    PARR::Holder<DOVE2::StudioApp> app(new DOVE2::StudioApp());
    studio.setApp(app);
    PARR::ErrorHolder errors;
    studio.start(errors);
    NavigateUpOpener opener(*app);

    app->getNavigateUpRequestService().send(DOVE2::NavigateUpRequest(top));
    EXPECT_TRUE(app->getAllEditors().empty());

    app->getNavigateUpRequestService().send(DOVE2::NavigateUpRequest(deep));
    ASSERT_EQ(app->getAllEditors().size(), 1u);
    EXPECT_EQ(app->getActiveEditor()->getDiagram(), inner);

    studio.shutDown(errors);
}

TEST_F(NavigateUpOpenerTest, ADiagramAboveThatCannotBeOpenedIsReportedToTheUser) {
    HARBOR::Studio studio;
    PARR::Holder<DOVE2::StudioApp> app(new StudioTest::RefusingStudioApp());
    studio.setApp(app);
    NavigateUpOpener opener(*app);
    TestSupport::WarningRecorder warnings;

    app->getNavigateUpRequestService().send(DOVE2::NavigateUpRequest(deep));

    EXPECT_EQ(warnings.identifiers, std::vector<std::string>{DOVE2::StudioApp::kCannotOpenDiagram});
    ASSERT_EQ(warnings.texts.size(), 1u);
    EXPECT_NE(warnings.texts.front().find("m/Sub"), std::string::npos);
}

}  // namespace
