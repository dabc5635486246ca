#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace VTModel {

// The parsed arguments of one vtmodel call:
//   vtmodel check FILE...
//   vtmodel roundtrip IN OUT
//   vtmodel generate --blocks N [--seed S] OUT
//   vtmodel --help | -h
class CommandLine {
public:
    enum class Command { Check, Roundtrip, Generate, Help };

    // The parsed call, or nothing with `error` set to what is wrong.
    static std::optional<CommandLine> parse(const std::vector<std::string>& args,
                                            std::string& error);
    static const char* usage();

    Command command = Command::Check;
    std::vector<std::string> files;  // check: the files; roundtrip: IN, OUT; generate: OUT
    std::size_t blocks = 0;
    std::uint32_t seed = 1;

private:
    static bool parseGenerate(const std::vector<std::string>& args, CommandLine& line,
                              std::string& error);
};

}  // namespace VTModel
