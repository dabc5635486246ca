#include "SimulateCommand.h"

#include <fstream>
#include <sstream>

#include "sim/ModelCompiler.h"
#include "sim/ResultsCsvWriter.h"
#include "sim/SimulationResults.h"
#include "sim/Simulator.h"
#include "vtquill/file/ModelFileReader.h"

namespace VTModel {

namespace {

// The model's own settings, then the command line's on top.
VTSIM::SimulationSettings settingsFor(const VTQUILL::Model& model, const CommandLine& line) {
    QUILL::StringMap texts = model.getSimulationSettings();
    for (const auto& [key, value] : line.settings) {
        auto it = std::find_if(texts.begin(), texts.end(),
                               [&](const auto& entry) { return entry.first == key; });
        if (it == texts.end())
            texts.emplace_back(key, value);
        else
            it->second = value;
    }
    return VTSIM::SimulationSettings::fromTexts(texts);
}

void printDiagnostics(std::ostream& err, const std::vector<VTSIM::Diagnostic>& diagnostics) {
    for (const VTSIM::Diagnostic& d : diagnostics)
        err << "vtmodel: " << d.text() << '\n';
}

}  // namespace

int SimulateCommand::run(const CommandLine& line) {
    const std::string& file = line.files.front();
    VTQUILL::File::ModelFileReader::Result loaded = VTQUILL::File::ModelFileReader().load(file);
    if (!loaded.ok()) {
        err_ << "vtmodel: " << loaded.error->message() << '\n';
        return 1;
    }
    // Closes the model whichever way the run ends.
    struct Closer {
        VTQUILL::Model& model;
        ~Closer() { model.close(); }
    } closer{loaded.model};
    try {
        const VTSIM::SimulationSettings settings = settingsFor(loaded.model, line);
        if (const std::string fault = settings.validate(); !fault.empty())
            throw std::invalid_argument(fault);
        auto compiled = VTSIM::ModelCompiler(line.parameters).compile(loaded.model);
        printDiagnostics(err_, compiled->warnings);
        if (settings.solver == VTSIM::Solver::Auto)
            err_ << "vtmodel: solver \"auto\" runs \"dopri5\"\n";
        VTSIM::SimulationResults results(compiled->columnNames);
        VTSIM::Simulator(*compiled, settings, results).run();
        const bool requestedOnly = settings.outputStep > 0;
        if (line.out.empty()) {
            VTSIM::ResultsCsvWriter::write(results, out_, requestedOnly);
            return 0;
        }
        std::ofstream csv(line.out, std::ios::binary | std::ios::trunc);
        VTSIM::ResultsCsvWriter::write(results, csv, requestedOnly);
        csv.close();
        if (!csv) {
            err_ << "vtmodel: " << line.out << ": cannot write the results\n";
            return 1;
        }
        return 0;
    } catch (const VTSIM::SimulationError& e) {
        printDiagnostics(err_, e.diagnostics());
    } catch (const std::exception& e) {
        err_ << "vtmodel: " << file << ": " << e.what() << '\n';
    }
    return 1;
}

}  // namespace VTModel
