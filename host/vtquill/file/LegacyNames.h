#pragma once

#include <string>

namespace VTQUILL::File {

// The names older model files give to some block types, parameters and parameter values, and
// the names this program uses for them now. The reader passes every block it decodes through
// here, so a model loaded from an older file holds, and saves, only the current names. Every
// function returns its last argument unchanged when it is not an older name.
class LegacyNames {
public:
    // The current name of block type `type`.
    static std::string blockType(const std::string& type);
    // The current name of parameter `parameter` of a block of type `blockType` (a current type
    // name). An older parameter name is renamed only on the block type that had it.
    static std::string parameter(const std::string& blockType, const std::string& parameter);
    // The current text of `value`, the value of parameter `parameter` (a current name) of a
    // block of type `blockType` (a current type name).
    static std::string parameterValue(const std::string& blockType, const std::string& parameter,
                                      const std::string& value);
};

}  // namespace VTQUILL::File
