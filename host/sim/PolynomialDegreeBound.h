#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "sim/VectorSyntax.h"

namespace VTSIM {

// An upper bound, read from the text, of the degree of an expression in one variable: the
// number of times the variable occurs, times the product of the exponents after '^' that are
// positive whole numbers, capped at 30. A term's degree never exceeds it when the text is
// a polynomial (each occurrence adds at most one, each power multiplies); when the text is not
// one, the bound is merely some number, and the fit that follows finds the mismatch.
class PolynomialDegreeBound {
public:
    static constexpr int kCap = 30;

    // The value of the exponent operand `operand` (a span of the text); nullopt when it is
    // not a number (it uses the variable, or does not evaluate).
    using ExponentValue = std::function<std::optional<double>(TextSpan operand)>;

    // The bound for `text` in `variable`: 0 when the variable does not occur.
    static int of(std::string_view text, std::string_view variable,
                  const ExponentValue& exponentValue);

    // The operand that '^' at `caret` raises to: an optional sign, then a number, a name, a
    // function call or a parenthesised group, with any further "^ operand" (powers chain to
    // the right). An empty span at the end when nothing follows.
    static TextSpan operandAfter(std::string_view text, std::size_t caret);
};

}  // namespace VTSIM
