#include "vtquill/file/LegacyNames.h"

#include <string_view>

namespace VTQUILL::File {

namespace {

enum class Renamed { BlockType, Parameter, Value };

struct Rename {
    Renamed what;
    // Where the name is found: the block type (current name) for parameters and values, and
    // the parameter (current name) for values; empty where it does not apply.
    std::string_view blockType;
    std::string_view parameter;
    std::string_view before;
    std::string_view after;
};

// docs/file-format.md, "Older names", lists the same renames for the users.
constexpr Rename kRenames[] = {
    {Renamed::BlockType, "", "", "Transfer Fcn", "Transfer Function"},
    {Renamed::BlockType, "", "", "Sine Wave", "Sine"},
    {Renamed::BlockType, "", "", "Inport", "Input"},
    {Renamed::BlockType, "", "", "Outport", "Output"},
    {Renamed::Parameter, "ConfigurableSubsystem", "", "BlockChoice", "Choice"},
    {Renamed::Parameter, "MaskedSubsystem", "", "MaskDisplay", "IconText"},
    {Renamed::Value, "Switch", "Criteria", "u2 >= Threshold", "u2 >= threshold"},
    {Renamed::Value, "Switch", "Criteria", "u2 > Threshold", "u2 > threshold"},
};

std::string current(Renamed what, std::string_view blockType, std::string_view parameter,
                    const std::string& name) {
    for (const Rename& r : kRenames) {
        if (r.what == what && r.blockType == blockType && r.parameter == parameter &&
            r.before == name)
            return std::string(r.after);
    }
    return name;
}

}  // namespace

std::string LegacyNames::blockType(const std::string& type) {
    return current(Renamed::BlockType, "", "", type);
}

std::string LegacyNames::parameter(const std::string& blockType, const std::string& parameter) {
    return current(Renamed::Parameter, blockType, "", parameter);
}

std::string LegacyNames::parameterValue(const std::string& blockType, const std::string& parameter,
                                        const std::string& value) {
    return current(Renamed::Value, blockType, parameter, value);
}

}  // namespace VTQUILL::File
