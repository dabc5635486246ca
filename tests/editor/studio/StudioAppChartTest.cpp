// The studio application with the host's state-chart side: chart blocks and chart objects
// open their chart's state diagram.
#include <gtest/gtest.h>

#include "chartix/ChartFactory.h"
#include "chartix/ChartScriptingFunctions.h"
#include "chartix/ChartStore.h"
#include "dove2/Editor.h"
#include "dove2/Graphics.h"
#include "main/initialize.h"
#include "quill/Transaction.h"
#include "studio/StudioApp.h"
#include "support/BlockDiagramBuilder.h"
#include "support/RunningStudio.h"

namespace {

using CHARTIX::ChartFactory;
using CHARTIX::ChartStore;

// A model "charty" with the chart block "Mode/Logic" whose chart holds the states "Idle" and
// "Heating", and a studio running the block-diagram studio application.
class StudioAppChartTest : public ::testing::Test {
protected:
    StudioAppChartTest() {
        initialize_vt_editor();
        // Another test may have stood in for the chart side and left.
        CHARTIX::ChartScriptingFunctions::registerFunctions();
        QUILL::Transaction tx(chart);
        idle = ChartFactory::addState(chartDiagram, {"Idle", {10, 10}, {}});
        heating = ChartFactory::addState(chartDiagram, {"Heating", {150, 10}, {}});
        tx.commit();
    }

    DOVE2::Diagram activeDiagram() const {
        return app->getActiveEditor() ? app->getActiveEditor()->getDiagram() : DOVE2::Diagram();
    }

    TestSupport::BlockDiagramBuilder model{"charty"};
    VTQUILL::Block chartBlock = model.block("Mode/Logic", {10, 10, 60, 60}, "Chart");
    QUILL::Model chart = ChartStore::instance().chartOf(chartBlock);
    DOVE2::Diagram chartDiagram = ChartFactory::chartDiagram(chart);
    QUILL::ClassObject idle;
    QUILL::ClassObject heating;
    TestSupport::RunningStudio<Vantor::StudioApp> running;
    Vantor::StudioApp* app = &running.app();
};

TEST_F(StudioAppChartTest, OpeningAStateShowsItsChartsStatesInAnEditorRegisteredForTheState) {
    app->openCXState(heating);

    ASSERT_EQ(activeDiagram(), chartDiagram);
    EXPECT_EQ(app->getNode(chartDiagram), heating);
    const DOVE2::Graphics* graphics = app->getActiveEditor()->getGraphics();
    EXPECT_TRUE(graphics->getGlyph(idle) && graphics->getGlyph(heating));
}

TEST_F(StudioAppChartTest, AChartBlockOpensItsChartWhichTheStateChartDomainServes) {
    app->openBlock(chartBlock, false);

    ASSERT_EQ(activeDiagram(), chartDiagram);
    EXPECT_EQ(app->getDiagram(chartBlock), chartDiagram);
    EXPECT_TRUE(app->canThisDiagramBeOpened(chartDiagram));
    EXPECT_EQ(app->cxObj2Diagram(idle), chartDiagram);
}

}  // namespace
