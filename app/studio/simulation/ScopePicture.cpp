#include "simulation/ScopePicture.h"

#include <memory>
#include <stdexcept>

#include "BlockPathIndex.h"
#include "scope/ScopeWindow.h"
#include "sim/ModelCompiler.h"
#include "sim/Simulator.h"
#include "vtquill/file/ModelFileReader.h"

namespace VantorStudio {

namespace {

std::shared_ptr<const VTSIM::SimulationResults> runOf(const VTQUILL::Model& model,
                                                      const VTSIM::ParameterOverrides& overrides,
                                                      double& stopTime) {
    const auto compiled = VTSIM::ModelCompiler(overrides).compile(model);
    auto results = std::make_shared<VTSIM::SimulationResults>(compiled->columnNames);
    const auto settings = VTSIM::SimulationSettings::fromTexts(model.getSimulationSettings());
    stopTime = settings.stopTime;
    VTSIM::Simulator(*compiled, settings, *results).run();
    return results;
}

}  // namespace

std::string ScopePicture::write(const std::string& modelFile, const std::string& scopePath,
                                const VTSIM::ParameterOverrides& compare,
                                const std::string& outputFile) {
    VTQUILL::File::ModelFileReader::Result loaded =
        VTQUILL::File::ModelFileReader().load(modelFile);
    if (!loaded.ok())
        return modelFile + ": " + loaded.error->message();
    std::string error;
    try {
        const VTQUILL::Block scope = BlockPathIndex::find(loaded.model, scopePath);
        if (!scope.isValid() || scope.getType() != "Scope")
            throw std::runtime_error(modelFile + " has no Scope block " + scopePath);
        int ports = 0;
        for (const VTQUILL::Port& port : scope.getContained())
            ports += port.getType() == VTQUILL::kInPort ? 1 : 0;
        double stopTime = 0;
        const auto previous = compare.empty() ? nullptr : runOf(loaded.model, compare, stopTime);
        const auto current = runOf(loaded.model, {}, stopTime);
        ScopeWindow window(scopePath, ports, current, previous);
        window.setStopTime(stopTime);
        error = window.exportPicture(outputFile);
    } catch (const std::exception& e) {
        error = e.what();
    }
    loaded.model.close();
    return error;
}

}  // namespace VantorStudio
