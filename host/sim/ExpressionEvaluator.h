#pragma once

#include <string>

#include "sim/ParameterFault.h"
#include "sim/ParameterScope.h"
#include "sim/Vector.h"

namespace VTSIM {

// Evaluates parameter texts: numbers, vectors in brackets, + - * / ^ and parentheses, the
// functions sin cos tan exp log (natural) sqrt abs, the constants pi and e, and the names of
// the scope. muParser does every scalar computation; this class supplies the vectors around it.
//
// Precedence is muParser's: '^' binds tighter than a sign and groups to the right
// ("-2^2" is -4, "2^3^2" is 2^9 = 512); then * and /, then + and -, both to the left.
// Names that stand for vectors act element-wise, a one-element value standing for every
// element ("2*K+1" with K = [1 2] is [3 5]). In brackets, elements are separated by ',', ';'
// or blanks (see VectorSyntax::elements) and concatenated, so an element may be a vector.
//
// Thread-safe: calls may run on several threads at once, each with its own scope objects (or
// sharing them: scopes lock their caches). No muParser parser is built per call.
class ExpressionEvaluator {
public:
    // The value of `text` in `scope`. Throws ParameterError; for a fault in `text` itself,
    // blockPath and parameter are left empty (the caller fills them) and position points into
    // `text`; for a fault inside a mask parameter's text, the fault names that mask's path,
    // that parameter and a position in ITS text.
    static Vector evaluate(const std::string& text, const ParameterScope& scope);

    // Polynomial coefficients in descending powers of s: either a coefficient vector / number
    // (`[0.05 1]`, `1`, `K`), or an expression polynomial in the name `s` (`0.05*s+1`,
    // `(s+3)*(s+3)`, `s^2+2*z*w*s+w^2` with z, w mask names), expanded (see PolynomialFit).
    // s is the variable unless a mask around defines a parameter s, which then is a name like
    // any other (and the text is a coefficient vector).
    // Leading zero coefficients are removed ([0 1 2] -> [1 2]; all zero -> [0]). Throws
    // ParameterError like evaluate(), and for a text that is not a polynomial in s (`1/s`,
    // `s^0.5`, `sin(s)`: "not a polynomial in s") or has no coefficients ("no coefficients").
    static Vector polynomial(const std::string& text, const ParameterScope& scope);
};

}  // namespace VTSIM
