#include "simulation/SimulationSettingsCommand.h"

#include <utility>

#include "quill/Exception.h"
#include "vtquill/Model.h"

namespace VantorStudio {

namespace {

constexpr const char* kSource = "app/studio/simulation/SimulationSettingsCommand";

}  // namespace

SimulationSettingsCommand::SimulationSettingsCommand(const QUILL::Model& model,
                                                     QUILL::StringMap settings)
    : DOVE2::Command(model), settings_(std::move(settings)) {}

const std::string* SimulationSettingsCommand::valueOf(const QUILL::StringMap& settings,
                                                      const std::string& key) {
    for (const auto& [k, v] : settings) {
        if (k == key)
            return &v;
    }
    return nullptr;
}

std::string SimulationSettingsCommand::shortDescription() const {
    return "Change Run Settings";
}

void SimulationSettingsCommand::execute(PARR::ErrorHolder& errors) {
    try {
        VTQUILL::Model(getModel()).setSimulationSettings(settings_);
    } catch (const QUILL::Exception& e) {
        errors.setError(kRefused, kRefusedCode, {e.what()}, {kSource, __LINE__});
    }
}

}  // namespace VantorStudio
