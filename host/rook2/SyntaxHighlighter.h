#pragma once

#include <string>
#include <vector>

#include "parr/ReferencedTemplate.h"
#include "rook2/TextSpan.h"

namespace ROOK2 {

// Colours the text of a TextNode. Reference counted (TextNode holds its highlighter).
class SyntaxHighlighter : public PARR::ReferencedTemplate<unsigned int> {
public:
    ~SyntaxHighlighter() override = default;

    // The runs of `text` to draw in a colour of their own, ordered by start and not
    // overlapping; characters outside every run are drawn in the node's text colour.
    virtual std::vector<TextSpan> highlight(const std::string& text) const = 0;
};

}  // namespace ROOK2
