#include "CommandLine.h"

#include <charconv>

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
           "       vtmodel --help\n"
           "  check      loads each model file and prints its summary or its error\n"
           "  roundtrip  loads IN and saves it in canonical form to OUT\n"
           "  generate   saves a generated model of N blocks (seed S) to OUT\n";
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
