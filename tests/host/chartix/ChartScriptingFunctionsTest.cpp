#include "chartix/ChartScriptingFunctions.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "chartix/ChartFactory.h"
#include "chartix/ChartSchema.h"
#include "chartix/ChartStore.h"
#include "support/BlockDiagramBuilder.h"
#include "tessel/FunctionRegistry.h"
#include "vtquill/YarrowTypeName.h"

namespace {

using CHARTIX::ChartFactory;
using CHARTIX::ChartStore;
using TESSEL::Value;
using TestSupport::BlockDiagramBuilder;

// Calls "cxprivate" as the studio does, expecting `results` results; the status and what
// came back.
struct Call {
    int status;
    std::vector<Value> results;
};

Call cxprivate(std::vector<Value> args, int results) {
    CHARTIX::ChartScriptingFunctions::registerFunctions();
    Call call{0, {}};
    call.status = TESSEL::inCallFcnWithTrap(results, call.results, args, "cxprivate");
    return call;
}

Value wrapped(const QUILL::ImmutableClassObject& object) {
    return Value::wrap(std::make_shared<QUILL::ImmutableClassObject>(object),
                       VTQUILL::getFullyQualifiedYarrowTypeName(object));
}

DOVE2::Diagram diagramOf(const Value& answer) {
    return *answer.field("diagram").asObject<DOVE2::Diagram>("DOVE2.Diagram");
}

QUILL::Model modelOf(const Value& answer) {
    return *answer.field("model").asObject<QUILL::Model>("QUILL.Model");
}

class ChartScriptingFunctionsTest : public ::testing::Test {
protected:
    BlockDiagramBuilder b{"plant"};
    VTQUILL::Block chartBlock = b.block("Mode/Logic", {10, 10, 60, 60}, "Chart");
    VTQUILL::Block gain = b.block("G", {100, 10, 40, 30}, "Gain");
};

// --- is_cx_chart_block -------------------------------------------------------------------------

TEST_F(ChartScriptingFunctionsTest, AChartBlocksPathAnswersTrueWithItsChartsDiagramAndModel) {
    const Call call = cxprivate(
        {Value::string("is_cx_chart_block"), Value::string(chartBlock.getFullPathName())}, 2);

    ASSERT_EQ(call.status, 0) << TESSEL::FunctionRegistry::lastError();
    EXPECT_TRUE(call.results[0].isLogical() && call.results[0].asLogical());
    const QUILL::Model chart = ChartStore::instance().chartOf(chartBlock);
    EXPECT_EQ(modelOf(call.results[1]), chart);
    EXPECT_EQ(diagramOf(call.results[1]), ChartFactory::chartDiagram(chart));
}

TEST_F(ChartScriptingFunctionsTest, OtherPathsAnswerFalse) {
    for (const std::string& path :
         {gain.getFullPathName(), std::string("plant/Nothing"), std::string("plant")}) {
        const Call call = cxprivate({Value::string("is_cx_chart_block"), Value::string(path)}, 2);
        ASSERT_EQ(call.status, 0) << path;
        EXPECT_FALSE(call.results[0].asLogical()) << path;
        EXPECT_TRUE(call.results[1].isEmpty()) << path;
    }
}

// --- get_diagram_for_cx_quill_obj ------------------------------------------------------------

TEST_F(ChartScriptingFunctionsTest, ChartObjectsAndChartBlocksAreShownByTheirChart) {
    const QUILL::Model chart = ChartStore::instance().chartOf(chartBlock);
    const DOVE2::Diagram diagram = ChartFactory::chartDiagram(chart);
    QUILL::Transaction tx(chart);
    const QUILL::ClassObject state = ChartFactory::addState(diagram, {"Idle", {0, 0}, {}});
    tx.commit();

    for (const QUILL::ImmutableClassObject& object :
         {QUILL::ImmutableClassObject(diagram), QUILL::ImmutableClassObject(state),
          QUILL::ImmutableClassObject(chartBlock)}) {
        const Call call =
            cxprivate({Value::string("get_diagram_for_cx_quill_obj"), wrapped(object)}, 1);
        ASSERT_EQ(call.status, 0) << TESSEL::FunctionRegistry::lastError();
        EXPECT_EQ(diagramOf(call.results[0]), diagram);
    }
}

TEST_F(ChartScriptingFunctionsTest, ObjectsThatNoChartShowsAnswerEmpty) {
    for (const QUILL::ImmutableClassObject& object :
         {QUILL::ImmutableClassObject(gain), QUILL::ImmutableClassObject()}) {
        const Call call =
            cxprivate({Value::string("get_diagram_for_cx_quill_obj"), wrapped(object)}, 1);
        ASSERT_EQ(call.status, 0);
        EXPECT_TRUE(call.results[0].isEmpty());
    }
}

// --- block2chart and SubchartsIn ---------------------------------------------------------------

TEST_F(ChartScriptingFunctionsTest, AChartBlocksHandleGivesItsChartIdWhichHasNoSubcharts) {
    const Call chart =
        cxprivate({Value::string("block2chart"), Value::scalar(chartBlock.getHandle())}, 1);
    ASSERT_EQ(chart.status, 0) << TESSEL::FunctionRegistry::lastError();
    ASSERT_TRUE(chart.results[0].isScalar());
    EXPECT_EQ(chart.results[0].asDouble(),
              ChartStore::instance().chartIdOf(chartBlock.getObjectId()));

    const Call subcharts = cxprivate({Value::string("SubchartsIn"), chart.results[0]}, 1);
    ASSERT_EQ(subcharts.status, 0) << TESSEL::FunctionRegistry::lastError();
    EXPECT_TRUE(subcharts.results[0].isDouble());
    EXPECT_TRUE(subcharts.results[0].isEmpty());
}

TEST_F(ChartScriptingFunctionsTest, OtherBlocksHaveNoChartAndNoChartIdHasSubcharts) {
    const Call chart =
        cxprivate({Value::string("block2chart"), Value::scalar(gain.getHandle())}, 1);
    ASSERT_EQ(chart.status, 0);
    EXPECT_TRUE(chart.results[0].isEmpty());

    EXPECT_NE(cxprivate({Value::string("SubchartsIn"), Value::scalar(-1)}, 1).status, 0);
    EXPECT_NE(cxprivate({Value::string("no_such_subfunction")}, 1).status, 0);
    EXPECT_NE(cxprivate({}, 1).status, 0);
}

}  // namespace
