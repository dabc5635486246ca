#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace VTModel {

// The parsed arguments of one vtmodel call:
//   vtmodel check FILE...
//   vtmodel roundtrip IN OUT
//   vtmodel generate --blocks N [--seed S] OUT
//   vtmodel simulate MODEL [--stop T] [--solver NAME] [--step H] [--rel-tol R] [--abs-tol A]
//                    [--max-step M] [--output-step DT] [--param PATH:NAME=VALUE]... [--out CSV]
//   vtmodel --help | -h
class CommandLine {
public:
    enum class Command { Check, Roundtrip, Generate, Simulate, Help };

    // The parsed call, or nothing with `error` set to what is wrong.
    static std::optional<CommandLine> parse(const std::vector<std::string>& args,
                                            std::string& error);
    static const char* usage();

    Command command = Command::Check;
    std::vector<std::string> files;  // check: the files; roundtrip: IN, OUT; generate: OUT
    std::size_t blocks = 0;
    std::uint32_t seed = 1;
    // simulate: the run's settings given on the command line (key as the model file's
    // "simulation" member names it -> value text), parameter overrides, and the CSV file
    // (empty: standard output).
    std::vector<std::pair<std::string, std::string>> settings;
    std::map<std::string, std::map<std::string, std::string>> parameters;
    std::string out;

private:
    static bool parseSimulate(const std::vector<std::string>& args, CommandLine& line,
                              std::string& error);
    static bool parseParameter(const std::string& text, CommandLine& line, std::string& error);
    static bool parseGenerate(const std::vector<std::string>& args, CommandLine& line,
                              std::string& error);
};

}  // namespace VTModel
