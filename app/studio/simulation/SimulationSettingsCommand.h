#pragma once

#include <string>

#include "dove2/Command.h"
#include "quill/Value.h"

namespace VantorStudio {

// "Change Run Settings": replaces the run settings a model holds (its file's "simulation"
// member, key -> value text) with `settings`, as one undoable step that dirties the model.
// A value the model refuses (VTQUILL::Model::setSimulationSettings) is the command's error and
// changes nothing.
class SimulationSettingsCommand : public DOVE2::Command {
public:
    SimulationSettingsCommand(const QUILL::Model& model, QUILL::StringMap settings);

    // The value text of `key` in `settings`; null when the key is absent (its default).
    static const std::string* valueOf(const QUILL::StringMap& settings, const std::string& key);

    std::string shortDescription() const override;
    void execute(PARR::ErrorHolder& errors) override;

    // The error identifier execute reports (argument: the model's reason).
    static constexpr const char* kRefused = "VantorStudio_RunSettingsRefused";
    static constexpr std::uint32_t kRefusedCode = 0x6E0301;

private:
    QUILL::StringMap settings_;
};

}  // namespace VantorStudio
