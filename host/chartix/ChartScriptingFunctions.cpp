#include "chartix/ChartScriptingFunctions.h"

#include <memory>
#include <stdexcept>

#include "chartix/ChartBlockLookup.h"
#include "chartix/ChartFactory.h"
#include "chartix/ChartSchema.h"
#include "chartix/ChartStore.h"
#include "tessel/FunctionRegistry.h"

namespace CHARTIX {

namespace {

using TESSEL::Value;
using Results = std::vector<Value>;

const Value& argument(const std::vector<Value>& args, std::size_t index, const char* what) {
    if (args.size() <= index)
        throw std::invalid_argument(std::string("cxprivate: missing argument: ") + what + ".");
    return args[index];
}

Results isChartBlock(const std::vector<Value>& args) {
    const VTQUILL::Block block =
        ChartBlockLookup::blockAt(argument(args, 1, "the block's full path").asString());
    if (!block.isValid() || !block.isChartix())
        return {Value::logical(false), Value::empty()};
    return {Value::logical(true),
            ChartScriptingFunctions::chartAnswer(ChartStore::instance().chartOf(block))};
}

// The chart showing a chart object (its own model's chart) or a chart block (its chart).
QUILL::Model chartShowing(const QUILL::ImmutableClassObject& object) {
    if (!object.isValid())
        return QUILL::Model();
    const QUILL::ImmutableModel root = object.getModel().getRootDeviant();
    if (ChartFactory::isChartModel(root))
        return QUILL::Model(root);
    return ChartStore::instance().chartOf(VTQUILL::ImmutableBlock(object.getRootDeviant()));
}

Results diagramForObject(const std::vector<Value>& args) {
    const Value& wrapped = argument(args, 1, "the object");
    if (!wrapped.isObject() || !wrapped.objectPointer())
        return {Value::empty()};
    const auto* object =
        static_cast<const QUILL::ImmutableClassObject*>(wrapped.objectPointer().get());
    return {ChartScriptingFunctions::chartAnswer(chartShowing(*object))};
}

Results blockToChart(const std::vector<Value>& args) {
    const VTQUILL::Block block =
        ChartBlockLookup::blockWithHandle(argument(args, 1, "the block's handle").asDouble());
    if (!ChartStore::instance().chartOf(block).isValid())
        return {Value::empty()};
    return {Value::scalar(ChartStore::instance().chartIdOf(block.getObjectId()))};
}

Results subchartsIn(const std::vector<Value>& args) {
    const double id = argument(args, 1, "the chart id").asDouble();
    if (!ChartStore::instance().chartById(id).isValid())
        throw std::invalid_argument("cxprivate: there is no chart with id " + std::to_string(id) +
                                    ".");
    return {Value::doubles({})};
}

// Registered when the host library loads, so that every program of the studio finds the
// state-chart side the way a loaded module would.
const bool registeredAtLoad = [] {
    ChartScriptingFunctions::registerFunctions();
    return true;
}();

}  // namespace

void ChartScriptingFunctions::registerFunctions() {
    TESSEL::FunctionRegistry::instance().registerFunction("", kDispatcher, &dispatch);
}

TESSEL::Value ChartScriptingFunctions::chartAnswer(const QUILL::Model& chart) {
    const DOVE2::Diagram diagram = ChartFactory::chartDiagram(chart);
    if (!diagram.isValid())
        return Value::empty();
    return Value::structure(
        {{"diagram", Value::wrap(std::make_shared<DOVE2::Diagram>(diagram), "DOVE2.Diagram")},
         {"model", Value::wrap(std::make_shared<QUILL::Model>(chart), "QUILL.Model")}});
}

std::vector<TESSEL::Value> ChartScriptingFunctions::dispatch(const std::vector<Value>& args) {
    const std::string& name = argument(args, 0, "the subfunction's name").asString();
    if (name == "is_cx_chart_block")
        return isChartBlock(args);
    if (name == "get_diagram_for_cx_quill_obj")
        return diagramForObject(args);
    if (name == "block2chart")
        return blockToChart(args);
    if (name == "SubchartsIn")
        return subchartsIn(args);
    throw std::invalid_argument("cxprivate: unknown subfunction '" + name + "'.");
}

}  // namespace CHARTIX
