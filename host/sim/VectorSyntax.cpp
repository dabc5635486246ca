#include "sim/VectorSyntax.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

#include "sim/ParameterFault.h"

namespace VTSIM {

namespace {

[[noreturn]] void fail(std::string_view text, std::size_t position, std::string reason) {
    ParameterFault fault;
    fault.text = std::string(text);
    fault.position = position;
    fault.reason = std::move(reason);
    throw ParameterError(std::move(fault));
}

std::string quoted(char c) {
    return std::string("\"") + c + "\"";
}

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool startsName(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '$';
}
bool continuesName(char c) {
    return startsName(c) || isDigit(c);
}
bool isOpening(char c) {
    return c == '(' || c == '[';
}
bool isClosing(char c) {
    return c == ')' || c == ']';
}
// '$' is left out: the evaluator names vectors in brackets with it, out of the user's reach.
bool isExpressionCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || isBlank(c) || c == '.' ||
           std::string_view("+-*/^()[],;").find(c) != std::string_view::npos;
}

// The end of the number that starts at `i`: digits and points, then an exponent when one
// follows ("1e-6"); a lone "e" after digits stays outside, as muParser reads it.
std::size_t numberEnd(std::string_view text, std::size_t i, std::size_t end) {
    while (i < end && (isDigit(text[i]) || text[i] == '.'))
        ++i;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < end && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < end && isDigit(text[j])) {
            while (j < end && isDigit(text[j]))
                ++j;
            return j;
        }
    }
    return i;
}

// Whether a run of blanks between `before` (the last character of the element so far) and
// the character at `next` separates two elements. Blanks around a binary operation do not:
// "a *2", "a* 2" and "1 - 2" are one element each, while "1 -2" is two (the sign binds to 2).
bool blanksSeparate(std::string_view text, char before, std::size_t next, std::size_t end) {
    if (std::string_view("+-*/^(,;").find(before) != std::string_view::npos)
        return false;
    const char c = text[next];
    if (std::string_view("*/^,;)]").find(c) != std::string_view::npos)
        return false;
    if (c == '+' || c == '-')
        return next + 1 < end && !isBlank(text[next + 1]);
    return true;
}

}  // namespace

void VectorSyntax::check(std::string_view text) {
    const TextSpan all = trim(text, {0, text.size()});
    if (all.size() == 0)
        fail(text, 0, "empty expression");
    std::vector<std::size_t> open;  // offsets of the brackets not yet closed
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!isExpressionCharacter(c))
            fail(text, i, "unexpected character " + quoted(c));
        if (isOpening(c)) {
            open.push_back(i);
        } else if (isClosing(c)) {
            if (open.empty())
                fail(text, i, "unbalanced " + quoted(c));
            const char opening = text[open.back()];
            if ((opening == '(') != (c == ')'))
                fail(text, i,
                     quoted(c) + " does not close " + quoted(opening) + " at character " +
                         std::to_string(open.back() + 1));
            open.pop_back();
        } else if ((c == ',' || c == ';') && (open.empty() || text[open.back()] != '[')) {
            fail(text, i, "unexpected " + quoted(c));
        }
    }
    if (!open.empty())
        fail(text, open.back(), "unclosed " + quoted(text[open.back()]));
}

std::vector<TextSpan> VectorSyntax::bracketGroups(std::string_view text, TextSpan span) {
    std::vector<TextSpan> groups;
    std::size_t depth = 0;  // bracket depth only: parentheses do not hide a group
    for (std::size_t i = span.begin; i < span.end; ++i) {
        if (text[i] == '[' && depth++ == 0)
            groups.push_back({i, i});
        else if (text[i] == ']' && --depth == 0)
            groups.back().end = i + 1;
    }
    return groups;
}

std::vector<TextSpan> VectorSyntax::elements(std::string_view text, TextSpan inside) {
    std::vector<TextSpan> out;
    if (trim(text, inside).size() == 0)
        return out;
    std::size_t start = inside.begin;
    std::size_t lastSeparator = inside.begin;
    int depth = 0;
    auto close = [&](std::size_t end, std::size_t faultAt) {
        const TextSpan element = trim(text, {start, end});
        if (element.size() == 0)
            fail(text, faultAt, "empty element");
        out.push_back(element);
    };
    std::size_t i = inside.begin;
    while (i < inside.end) {
        const char c = text[i];
        if (isOpening(c)) {
            ++depth;
        } else if (isClosing(c)) {
            --depth;
        } else if (depth == 0 && (c == ',' || c == ';')) {
            close(i, i);
            start = i + 1;
            lastSeparator = i;
        } else if (depth == 0 && isBlank(c)) {
            std::size_t next = i;
            while (next < inside.end && isBlank(text[next]))
                ++next;
            const TextSpan sofar = trim(text, {start, i});
            if (sofar.size() > 0 && next < inside.end &&
                blanksSeparate(text, text[sofar.end - 1], next, inside.end)) {
                close(i, i);
                start = next;
            }
            i = next;
            continue;
        }
        ++i;
    }
    close(inside.end, lastSeparator);
    return out;
}

std::vector<TextSpan> VectorSyntax::names(std::string_view text, TextSpan span) {
    std::vector<TextSpan> out;
    std::size_t i = span.begin;
    while (i < span.end) {
        const char c = text[i];
        if (isDigit(c) || c == '.') {
            i = numberEnd(text, i, span.end);
            // Name characters glued to a number ("2e", "1e5x") belong to neither.
            while (i < span.end && continuesName(text[i]))
                ++i;
        } else if (startsName(c)) {
            std::size_t end = i + 1;
            while (end < span.end && continuesName(text[end]))
                ++end;
            out.push_back({i, end});
            i = end;
        } else {
            ++i;
        }
    }
    return out;
}

std::size_t VectorSyntax::find(std::string_view text, std::string_view name, TextSpan span) {
    if (name.empty())
        return std::string_view::npos;
    if (!startsName(name.front()))
        return text.substr(0, span.end).find(name, span.begin);
    for (const TextSpan& found : names(text, span))
        if (text.substr(found.begin, found.size()) == name)
            return found.begin;
    return std::string_view::npos;
}

std::optional<double> VectorSyntax::number(std::string_view text, TextSpan span) {
    span = trim(text, span);
    const std::string_view literal = text.substr(span.begin, span.size());
    const std::size_t first = !literal.empty() && literal.front() == '-' ? 1 : 0;
    if (literal.size() <= first || !(isDigit(literal[first]) || literal[first] == '.'))
        return std::nullopt;
    double value = 0;
    const char* end = literal.data() + literal.size();
    const auto [stop, error] = std::from_chars(literal.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

TextSpan VectorSyntax::trim(std::string_view text, TextSpan span) {
    while (span.begin < span.end && isBlank(text[span.begin]))
        ++span.begin;
    while (span.end > span.begin && isBlank(text[span.end - 1]))
        --span.end;
    return span;
}

}  // namespace VTSIM
