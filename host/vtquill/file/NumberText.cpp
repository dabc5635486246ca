#include "vtquill/file/NumberText.h"

#include <charconv>
#include <cmath>

namespace VTQUILL::File {

namespace {

constexpr double kExactIntegerLimit = 9007199254740992.0;  // 2^53

}  // namespace

void NumberText::appendInteger(std::string& out, long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

bool NumberText::append(std::string& out, double value) {
    if (!std::isfinite(value))
        return false;
    if (value == std::trunc(value) && std::fabs(value) < kExactIntegerLimit) {
        appendInteger(out, static_cast<long long>(value));
        return true;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
    return true;
}

}  // namespace VTQUILL::File
