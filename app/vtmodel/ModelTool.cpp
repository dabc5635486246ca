#include "ModelTool.h"

#include <exception>

#include "SimulateCommand.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"
#include "vtquill/file/ModelGenerator.h"
#include "vtquill/file/ModelSummary.h"

namespace VTModel {

using VTQUILL::File::ModelFileReader;
using VTQUILL::File::ModelFileWriter;
using VTQUILL::File::ModelSummary;

namespace {

// The file's name without folder and extension: the name of a generated model.
std::string modelNameFor(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name.empty() ? "generated" : name;
}

}  // namespace

int ModelTool::run(const CommandLine& line) {
    switch (line.command) {
        case CommandLine::Command::Check:
            return check(line.files);
        case CommandLine::Command::Roundtrip:
            return roundtrip(line.files[0], line.files[1]);
        case CommandLine::Command::Generate:
            return generate(line.blocks, line.seed, line.files[0]);
        case CommandLine::Command::Simulate:
            return SimulateCommand(out_, err_).run(line);
        case CommandLine::Command::Help:
            out_ << CommandLine::usage();
            return 0;
    }
    return 1;
}

int ModelTool::check(const std::vector<std::string>& files) {
    const ModelFileReader reader;
    int status = 0;
    for (const std::string& file : files) {
        ModelFileReader::Result result = reader.load(file);
        if (!result.ok()) {
            err_ << result.error->message() << '\n';
            status = 1;
            continue;
        }
        out_ << file << ": " << ModelSummary::of(result.model).toString() << '\n';
        result.model.close();
    }
    return status;
}

int ModelTool::roundtrip(const std::string& in, const std::string& out) {
    ModelFileReader::Result result = ModelFileReader().load(in);
    if (!result.ok()) {
        err_ << result.error->message() << '\n';
        return 1;
    }
    const std::string error = ModelFileWriter().save(result.model, out);
    const ModelSummary summary = ModelSummary::of(result.model);
    result.model.close();
    if (!error.empty()) {
        err_ << error << '\n';
        return 1;
    }
    out_ << out << ": " << summary.toString() << '\n';
    return 0;
}

int ModelTool::generate(std::size_t blocks, std::uint32_t seed, const std::string& out) {
    VTQUILL::Model model;
    try {
        model = VTQUILL::File::ModelGenerator::generate(modelNameFor(out), blocks, seed);
    } catch (const std::exception& e) {
        err_ << out << ": cannot generate the model: " << e.what() << '\n';
        return 1;
    }
    const std::string error = ModelFileWriter().save(model, out);
    const ModelSummary summary = ModelSummary::of(model);
    model.close();
    if (!error.empty()) {
        err_ << error << '\n';
        return 1;
    }
    out_ << out << ": " << summary.toString() << '\n';
    return 0;
}

}  // namespace VTModel
