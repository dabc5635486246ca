#pragma once

#include "chartix/ChartContent.h"
#include "dove2/Diagram.h"
#include "quill/ClassObject.h"
#include "quill/Model.h"

namespace CHARTIX {

// Makes and reads chart models: a model whose model object ("ChartixDI.ChartModel") holds one
// chart diagram ("ChartixDI.Chart") holding the chart's states ("ChartixDI.State").
class ChartFactory {
public:
    ChartFactory() = delete;

    // The size a state gets when its content says nothing (width, height).
    static constexpr double kStateWidth = 80;
    static constexpr double kStateHeight = 40;

    // A new chart model (its root instance) holding `content`, made in one transaction. The
    // caller owns it and closes it when done.
    static QUILL::Model create(const ChartContent& content);
    // Appends a state to `chart` (a chart diagram in an instance with an open transaction);
    // a state without size gets the default size.
    static QUILL::ClassObject addState(const DOVE2::Diagram& chart, const StateContent& state);

    // True when `model` is an open chart model.
    static bool isChartModel(const QUILL::ImmutableModel& model);
    // The chart diagram of a chart model, bound to `model`'s instance; an empty handle when
    // `model` is no open chart model.
    static DOVE2::Diagram chartDiagram(const QUILL::ImmutableModel& model);
    // The content of a chart model; an empty content when `model` is no open chart model.
    static ChartContent read(const QUILL::ImmutableModel& model);
};

}  // namespace CHARTIX
