#include "CommandLine.h"

#include <charconv>
#include <cmath>

#include "sim/ParameterOverrideText.h"
#include "sim/SimulationSettings.h"

namespace VTModel {

namespace {

template <class T>
bool parseNumber(const std::string& text, T& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace

const char* CommandLine::usage() {
    return "usage: vtmodel check FILE...\n"
           "       vtmodel roundtrip IN OUT\n"
           "       vtmodel generate --blocks N [--seed S] OUT\n"
           "       vtmodel simulate MODEL [--stop T] [--solver auto|dopri5|bdf|adams|rk4|euler]\n"
           "                [--step H] [--rel-tol R] [--abs-tol A] [--max-step M]\n"
           "                [--output-step DT] [--param PATH:NAME=VALUE]... [--out FILE.csv]\n"
           "       vtmodel --help\n"
           "  check      loads each model file and prints its summary or its error\n"
           "  roundtrip  loads IN and saves it in canonical form to OUT\n"
           "  generate   saves a generated model of N blocks (seed S) to OUT\n"
           "  simulate   runs MODEL and writes its logged signals as CSV (standard output\n"
           "             without --out): every Scope and Display input, then the top-level\n"
           "             Output blocks; rows at every solver step, or at k*DT with\n"
           "             --output-step; options override the model's own settings;\n"
           "             --param sets parameter NAME of the block at full path PATH\n";
}

std::optional<CommandLine> CommandLine::parse(const std::vector<std::string>& args,
                                              std::string& error) {
    if (args.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    CommandLine line;
    if (args[0] == "--help" || args[0] == "-h") {
        line.command = Command::Help;
        return line;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "check") {
        line.command = Command::Check;
        line.files = rest;
        if (line.files.empty())
            error = "check needs at least one file";
    } else if (args[0] == "roundtrip") {
        line.command = Command::Roundtrip;
        line.files = rest;
        if (line.files.size() != 2)
            error = "roundtrip needs an input and an output file";
    } else if (args[0] == "simulate") {
        line.command = Command::Simulate;
        if (rest.size() == 1 && (rest[0] == "--help" || rest[0] == "-h"))
            line.command = Command::Help;
        else
            parseSimulate(rest, line, error);
    } else if (args[0] == "generate") {
        line.command = Command::Generate;
        parseGenerate(rest, line, error);
    } else {
        error = "unknown command \"" + args[0] + "\"";
    }
    if (!error.empty())
        return std::nullopt;
    return line;
}

bool CommandLine::parseSimulate(const std::vector<std::string>& args, CommandLine& line,
                                std::string& error) {
    // Option -> the setting it gives, and whether its value is a time or size (a positive
    // number) rather than a name.
    static const std::map<std::string, std::string> kSettings{
        {"--stop", "stopTime"},         {"--solver", "solver"},  {"--step", "fixedStep"},
        {"--rel-tol", "relTol"},        {"--abs-tol", "absTol"}, {"--max-step", "maxStep"},
        {"--output-step", "outputStep"}};
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const auto setting = kSettings.find(arg);
        if (setting != kSettings.end() && hasValue) {
            const std::string& value = args[++i];
            double number = 0;
            if (setting->second == "solver") {
                if (!VTSIM::SimulationSettings::solverNamed(value))
                    error = "--solver needs one of auto, dopri5, bdf, adams, rk4, euler (not \"" +
                            value + "\")";
            } else if (!parseNumber(value, number) || !(number > 0) || !std::isfinite(number)) {
                error = arg + " needs a positive number (not \"" + value + "\")";
            }
            line.settings.emplace_back(setting->second, value);
        } else if (arg == "--param" && hasValue) {
            parseParameter(args[++i], line, error);
        } else if (arg == "--out" && hasValue) {
            line.out = args[++i];
        } else if (arg.starts_with("--")) {
            error = "unknown or incomplete option \"" + arg + "\"";
        } else {
            line.files.push_back(arg);
        }
    }
    if (error.empty() && line.files.size() != 1)
        error = "simulate needs one model file";
    return error.empty();
}

bool CommandLine::parseParameter(const std::string& text, CommandLine& line, std::string& error) {
    if (VTSIM::addParameterOverride(text, line.parameters))
        return true;
    error = "--param needs PATH:NAME=VALUE (not \"" + text + "\")";
    return false;
}

bool CommandLine::parseGenerate(const std::vector<std::string>& args, CommandLine& line,
                                std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--blocks" && hasValue) {
            if (!parseNumber(args[++i], line.blocks) || line.blocks == 0)
                error = "--blocks needs a positive whole number";
        } else if (arg == "--seed" && hasValue) {
            if (!parseNumber(args[++i], line.seed))
                error = "--seed needs a whole number from 0 to 4294967295";
        } else if (arg.starts_with("--")) {
            error = "unknown or incomplete option \"" + arg + "\"";
        } else {
            line.files.push_back(arg);
        }
        if (!error.empty())
            return false;
    }
    if (line.blocks == 0)
        error = "generate needs --blocks N";
    else if (line.files.size() != 1)
        error = "generate needs one output file";
    return error.empty();
}

}  // namespace VTModel
