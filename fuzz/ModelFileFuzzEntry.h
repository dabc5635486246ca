#pragma once

#include <string>
#include <string_view>

namespace VantorFuzz {

// What the model-file fuzz target checks for one input, also replayed by the tests:
//  - loading any bytes gives either a model or one error that names the file, never both,
//    and leaves no model open once the loaded one is closed;
//  - a model that loads saves to canonical text, which loads again and saves to the same
//    bytes (save -> load -> save is byte-identical).
class ModelFileFuzzEntry {
public:
    // The name errors must start with.
    static constexpr const char* kFileName = "fuzz.vtm";

    // Empty when the input kept every promise, else what was broken.
    static std::string run(std::string_view input);
};

}  // namespace VantorFuzz
