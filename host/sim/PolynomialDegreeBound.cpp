#include "sim/PolynomialDegreeBound.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

namespace VTSIM {

namespace {

std::size_t skipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    return i;
}

// The offset after the bracket that closes the one at `open`, or the text's end.
std::size_t afterGroup(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(' || text[i] == '[')
            ++depth;
        else if ((text[i] == ')' || text[i] == ']') && --depth == 0)
            return i + 1;
    }
    return text.size();
}

// The end of the primary operand (number, name, call or group) starting at `i`.
std::size_t primaryEnd(std::string_view text, std::size_t i) {
    if (i >= text.size())
        return i;
    if (text[i] == '(' || text[i] == '[')
        return afterGroup(text, i);
    const std::vector<TextSpan> names = VectorSyntax::names(text, {i, text.size()});
    if (!names.empty() && names.front().begin == i) {
        const std::size_t after = skipBlanks(text, names.front().end);
        return after < text.size() && text[after] == '(' ? afterGroup(text, after)
                                                         : names.front().end;
    }
    // A number: what lies before the next name or non-number character.
    std::size_t end = i;
    while (end < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '.' ||
            ((text[end] == '+' || text[end] == '-') && end > i &&
             (text[end - 1] == 'e' || text[end - 1] == 'E'))))
        ++end;
    return end;
}

}  // namespace

TextSpan PolynomialDegreeBound::operandAfter(std::string_view text, std::size_t caret) {
    std::size_t begin = skipBlanks(text, caret + 1);
    std::size_t i = begin;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        i = skipBlanks(text, i + 1);
    std::size_t end = primaryEnd(text, i);
    const std::size_t next = skipBlanks(text, end);
    if (next < text.size() && text[next] == '^')
        end = operandAfter(text, next).end;
    return {begin, end};
}

int PolynomialDegreeBound::of(std::string_view text, std::string_view variable,
                              const ExponentValue& exponentValue) {
    int occurrences = 0;
    for (const TextSpan& name : VectorSyntax::names(text, {0, text.size()}))
        if (text.substr(name.begin, name.size()) == variable)
            ++occurrences;
    if (occurrences == 0)
        return 0;
    int bound = occurrences;
    for (std::size_t i = 0; i < text.size() && bound < kCap; ++i) {
        if (text[i] != '^')
            continue;
        const std::optional<double> power = exponentValue(operandAfter(text, i));
        // Other exponents cannot raise a polynomial's degree: a negative or fractional power
        // of the variable is no polynomial, and of a constant it stays a constant.
        if (power && *power >= 1 && std::floor(*power) == *power)
            bound *= static_cast<int>(std::min<double>(*power, kCap));
    }
    return std::min(bound, kCap);
}

}  // namespace VTSIM
