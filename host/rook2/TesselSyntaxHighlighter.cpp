#include "rook2/TesselSyntaxHighlighter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace ROOK2 {

namespace {

constexpr std::array<std::string_view, 20> kKeywords = {
    "break",  "case",     "catch",  "continue", "else",      "elseif", "end",
    "for",    "function", "global", "if",       "otherwise", "parfor", "persistent",
    "return", "switch",   "try",    "while",    "true",      "false"};

bool isIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool isKeyword(std::string_view word) {
    for (std::string_view k : kKeywords) {
        if (k == word)
            return true;
    }
    return false;
}

// A quote after an identifier, a closing bracket, a dot or another quote transposes.
bool quoteTransposes(const std::string& text, std::size_t at) {
    if (at == 0)
        return false;
    const char before = text[at - 1];
    return isIdentifierChar(before) || before == ')' || before == ']' || before == '}' ||
           before == '.' || before == '\'';
}

std::size_t endOfString(const std::string& text, std::size_t open) {
    const char quote = text[open];
    std::size_t i = open + 1;
    while (i < text.size() && text[i] != '\n') {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                i += 2;  // a doubled quote stands for the quote itself
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return i;
}

}  // namespace

std::vector<TextSpan> TesselSyntaxHighlighter::highlight(const std::string& text) const {
    std::vector<TextSpan> spans;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '%') {
            const std::size_t end = std::min(text.find('\n', i), text.size());
            spans.push_back({i, end - i, commentColor(), false});
            i = end;
        } else if ((c == '\'' && !quoteTransposes(text, i)) || c == '"') {
            const std::size_t end = endOfString(text, i);
            spans.push_back({i, end - i, stringColor(), false});
            i = end;
        } else if (isIdentifierChar(c) && !std::isdigit(static_cast<unsigned char>(c))) {
            std::size_t end = i;
            while (end < text.size() && isIdentifierChar(text[end]))
                ++end;
            if (isKeyword(std::string_view(text).substr(i, end - i)))
                spans.push_back({i, end - i, keywordColor(), true});
            i = end;
        } else if (isIdentifierChar(c)) {
            while (i < text.size() && isIdentifierChar(text[i]))
                ++i;  // a number, or a name glued to one
        } else {
            ++i;
        }
    }
    return spans;
}

}  // namespace ROOK2
