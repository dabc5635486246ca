#pragma once

#include "quill/Attribute.h"
#include "quill/Type.h"

namespace CHARTIX {

// The state-chart metaclasses, defined once on first use.
//
//   ChartixDI.ChartModel   the model object of a chart model; name
//   ChartixDI.Chart        the chart's diagram (a DOVE2.Diagram); holds the states
//   ChartixDI.State        one state of a chart (a DOVE2.GraphNode: position relative to the
//                          chart, size); name
//
// A chart model holds exactly one chart. Its scripting type names ("ChartixDI.Chart", ...)
// are the qualified names, which is how the model explorer tells chart objects apart.
struct ChartSchema {
    const QUILL::Type& model;
    const QUILL::Type& chart;
    const QUILL::Type& state;
    const QUILL::Attribute& modelName;
    const QUILL::Attribute& stateName;

    static const ChartSchema& get();
};

}  // namespace CHARTIX
