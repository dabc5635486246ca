#include "chartix/ChartFactory.h"

#include "chartix/CXDomain.h"
#include "chartix/ChartSchema.h"
#include "dove2/DiagramElement.h"
#include "dove2/ModelSchema.h"
#include "quill/Transaction.h"

namespace CHARTIX {

QUILL::Model ChartFactory::create(const ChartContent& content) {
    // Every chart model is shown through the state-chart domain, wherever it was made.
    CXDomain::ensureRegistered();
    const ChartSchema& schema = ChartSchema::get();
    QUILL::Model model = QUILL::Model::create(schema.model);
    QUILL::Transaction tx(model);
    model.getModelObject().set(schema.modelName, content.name);
    const DOVE2::Diagram chart(
        QUILL::ClassObject::create(model, schema.chart, model.getModelObject()));
    chart.set(DOVE2::ModelSchema::get().diagramName, content.name);
    for (const StateContent& state : content.states)
        addState(chart, state);
    tx.commit();
    return model;
}

QUILL::ClassObject ChartFactory::addState(const DOVE2::Diagram& chart, const StateContent& state) {
    const ChartSchema& schema = ChartSchema::get();
    const QUILL::ClassObject made =
        QUILL::ClassObject::create(chart.getModel(), schema.state, chart);
    const bool sized = state.size.x > 0 && state.size.y > 0;
    made.set(schema.stateName, state.name);
    made.set(DOVE2::ModelSchema::get().position, state.position);
    made.set(DOVE2::ModelSchema::get().size,
             sized ? state.size : PARR::GLPoint<double>(kStateWidth, kStateHeight));
    return made;
}

bool ChartFactory::isChartModel(const QUILL::ImmutableModel& model) {
    return model.isValid() && model.getModelObject().isKindOf(ChartSchema::get().model);
}

DOVE2::Diagram ChartFactory::chartDiagram(const QUILL::ImmutableModel& model) {
    if (!isChartModel(model))
        return DOVE2::Diagram();
    for (const QUILL::ImmutableClassObject& child : model.getModelObject().getContained()) {
        if (child.isKindOf(ChartSchema::get().chart))
            return DOVE2::Diagram(child);
    }
    return DOVE2::Diagram();
}

ChartContent ChartFactory::read(const QUILL::ImmutableModel& model) {
    const DOVE2::Diagram chart = chartDiagram(model);
    if (!chart.isValid())
        return {};
    const ChartSchema& schema = ChartSchema::get();
    ChartContent content{chart.getName(), {}};
    for (const QUILL::ImmutableClassObject& child : chart.getContained()) {
        if (!child.isKindOf(schema.state))
            continue;
        const DOVE2::ImmutableDiagramElement element(child);
        content.states.push_back(
            {child.get<std::string>(schema.stateName), element.getPosition(), element.getSize()});
    }
    return content;
}

}  // namespace CHARTIX
