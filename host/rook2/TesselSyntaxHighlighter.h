#pragma once

#include "rook2/SyntaxHighlighter.h"

namespace ROOK2 {

// Highlighting of the host's scripting language: keywords (bold blue), string literals in
// single or double quotes (purple) and comments from "%" to the end of the line (green). A
// quote right after an identifier, a closing bracket or a dot is the transpose operator,
// not the start of a string.
class TesselSyntaxHighlighter : public SyntaxHighlighter {
public:
    std::vector<TextSpan> highlight(const std::string& text) const override;

    static PARR::Color keywordColor() { return {0.0, 0.0, 1.0, 1.0}; }
    static PARR::Color stringColor() { return {0.63, 0.13, 0.94, 1.0}; }
    static PARR::Color commentColor() { return {0.13, 0.55, 0.13, 1.0}; }
};

}  // namespace ROOK2
