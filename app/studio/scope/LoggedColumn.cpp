#include "scope/LoggedColumn.h"

#include <cctype>

namespace VantorStudio {

namespace {

// The number spelt by name[begin, end) (digits only, at least one, not starting with 0).
std::optional<int> numberIn(const std::string& name, std::size_t begin, std::size_t end) {
    if (begin >= end || end - begin > 9 || name[begin] == '0')
        return std::nullopt;
    int value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return std::nullopt;
        value = value * 10 + (name[i] - '0');
    }
    return value;
}

}  // namespace

std::optional<LoggedColumn> LoggedColumn::parse(const std::string& name) {
    // Block names may hold ':' themselves: the suffix is after the last one.
    const std::size_t colon = name.rfind(':');
    if (colon == std::string::npos || colon == 0)
        return std::nullopt;
    LoggedColumn column;
    column.blockPath = name.substr(0, colon);
    std::size_t end = name.size();
    if (name.back() == ']') {
        const std::size_t open = name.find('[', colon);
        if (open == std::string::npos)
            return std::nullopt;
        const std::optional<int> element = numberIn(name, open + 1, name.size() - 1);
        if (!element)
            return std::nullopt;
        column.element = *element;
        end = open;
    }
    const std::optional<int> input = numberIn(name, colon + 1, end);
    if (!input)
        return std::nullopt;
    column.input = *input;
    return column;
}

}  // namespace VantorStudio
