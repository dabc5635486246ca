#pragma once

#include "rook2/SyntaxHighlighter.h"

namespace ROOK2 {

// Plain text: no runs, everything in the node's text colour.
class GenericSyntaxHighlighter : public SyntaxHighlighter {
public:
    std::vector<TextSpan> highlight(const std::string&) const override { return {}; }
};

}  // namespace ROOK2
