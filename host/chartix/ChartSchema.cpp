#include "chartix/ChartSchema.h"

#include "dove2/ModelSchema.h"
#include "quill/TypeRegistry.h"

namespace CHARTIX {

const ChartSchema& ChartSchema::get() {
    static const ChartSchema schema = [] {
        const auto& base = DOVE2::ModelSchema::get();
        auto& registry = QUILL::TypeRegistry::instance();
        QUILL::Type& model = registry.define("ChartixDI.ChartModel");
        const auto& modelName = model.addAttribute("name", QUILL::ValueKind::String);
        QUILL::Type& chart = registry.define("ChartixDI.Chart", &base.diagram);
        QUILL::Type& state = registry.define("ChartixDI.State", &base.graphNode);
        const auto& stateName = state.addAttribute("name", QUILL::ValueKind::String);
        return ChartSchema{model, chart, state, modelName, stateName};
    }();
    return schema;
}

}  // namespace CHARTIX
