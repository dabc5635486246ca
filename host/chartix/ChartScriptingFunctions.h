#pragma once

#include "quill/Model.h"
#include "tessel/Value.h"

namespace CHARTIX {

// The state-chart side's scripting dispatcher "cxprivate": a top-level function whose first
// argument names the subfunction.
//
//   cxprivate("is_cx_chart_block", fullPath)  two results: a logical, true when the block at
//       that path is a chart block, and then the struct of its chart (below), else empty;
//   cxprivate("get_diagram_for_cx_quill_obj", object)  one result: the struct of the chart
//       showing `object` (a wrapped QUILL::ImmutableClassObject: a chart or state of a chart
//       model, or a chart block), or empty when it is shown by no chart;
//   cxprivate("block2chart", handle)  one result: the chart id of the block with that engine
//       handle (Block::getHandle), empty when it is not a chart block;
//   cxprivate("SubchartsIn", chartId)  one result: the ids of the charts nested in that
//       chart, a numeric array (always empty: states hold no charts here). An id that names
//       no chart raises an error.
//
// The struct of a chart has the fields "diagram" (a DOVE2::Diagram wrapped as
// "DOVE2.Diagram") and "model" (the chart model, a QUILL::Model wrapped as "QUILL.Model").
// A chart block gets its chart on first request (ChartStore). A missing or unknown
// subfunction name raises an error.
class ChartScriptingFunctions {
public:
    ChartScriptingFunctions() = delete;

    static constexpr const char* kDispatcher = "cxprivate";

    // Registers "cxprivate" in TESSEL::FunctionRegistry::instance(), replacing what was
    // registered under that name. Done when the host library loads; call again to restore it.
    static void registerFunctions();
    // The struct of a chart (see above); empty for an invalid chart model.
    static TESSEL::Value chartAnswer(const QUILL::Model& chart);

private:
    static std::vector<TESSEL::Value> dispatch(const std::vector<TESSEL::Value>& args);
};

}  // namespace CHARTIX
