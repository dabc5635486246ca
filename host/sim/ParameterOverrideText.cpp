#include "sim/ParameterOverrideText.h"

namespace VTSIM {

bool addParameterOverride(const std::string& text, ParameterOverrides& overrides) {
    const auto equals = text.find('=');
    const auto colon = equals == std::string::npos ? std::string::npos : text.rfind(':', equals);
    if (colon == std::string::npos || colon == 0 || colon + 1 == equals)
        return false;
    overrides[text.substr(0, colon)][text.substr(colon + 1, equals - colon - 1)] =
        text.substr(equals + 1);
    return true;
}

}  // namespace VTSIM
