#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace VTSIM {

// A half-open range [begin, end) of character offsets in an expression text.
struct TextSpan {
    std::size_t begin = 0;
    std::size_t end = 0;

    std::size_t size() const { return end - begin; }
    bool operator==(const TextSpan&) const = default;
};

// The lexical layer of parameter expressions: what lies around the scalar arithmetic that
// muParser evaluates. It finds vector brackets, splits their contents into elements and locates
// names; it never computes anything. Every offset is into the text given (0-based). Functions
// that throw throw ParameterError with an empty blockPath and parameter.
class VectorSyntax {
public:
    // Refuses blank text ("empty expression"), a character that no expression uses, brackets
    // and parentheses that do not pair up (positioned at the offending bracket), and a ',' or
    // ';' that is not directly inside [...] (no function takes two arguments).
    static void check(std::string_view text);

    // The outermost [...] groups inside `span`, at any parenthesis depth, in text order; each
    // covers its brackets. Requires a text that passed check().
    static std::vector<TextSpan> bracketGroups(std::string_view text, TextSpan span);

    // The elements of the list `inside` (the contents of one [...], brackets excluded), each
    // trimmed of blanks. ',' and ';' separate; so does a run of blanks at the outer level,
    // unless it sits next to a binary operation: after an operator, before '*', '/' or '^',
    // or before a '+'/'-' that a blank follows ("1 - 2" is one element, "1 -2" two). An
    // all-blank list has no elements; any other empty element throws ("empty element").
    static std::vector<TextSpan> elements(std::string_view text, TextSpan inside);

    // The names (identifiers: a letter, '_' or '$', then letters, digits, '_' or '$') in
    // `span`, in text order. Letters inside numbers ("1e-6") are not names.
    static std::vector<TextSpan> names(std::string_view text, TextSpan span);

    // Where `name` first occurs in `span`: as a whole name, or, for a name that starts with a
    // digit or '.' (a malformed number), as plain text. npos when it does not occur.
    static std::size_t find(std::string_view text, std::string_view name, TextSpan span);

    // The value of `span` when it holds nothing but one decimal number literal, optionally
    // negative ("2.5", "-1e-6"), that is finite; else nullopt. Reading a literal is no
    // arithmetic: it spares muParser a parse for the most common parameter texts.
    static std::optional<double> number(std::string_view text, TextSpan span);

    // `span` without its leading and trailing blanks (an empty span at `span.end` if blank).
    static TextSpan trim(std::string_view text, TextSpan span);
};

}  // namespace VTSIM
