#include "sim/ExpressionEvaluator.h"

#include <algorithm>
#include <numbers>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/PolynomialDegreeBound.h"
#include "sim/PolynomialFit.h"
#include "sim/VectorExpression.h"
#include "sim/VectorSyntax.h"

namespace VTSIM {

namespace {

constexpr std::string_view kPolynomialVariable = "s";

[[noreturn]] void fail(const std::string& text, std::size_t position, std::string reason) {
    ParameterFault fault;
    fault.text = text;
    fault.position = position;
    fault.reason = std::move(reason);
    throw ParameterError(std::move(fault));
}

// A name of the scope, else a constant.
std::optional<Vector> scopeOrConstant(const ParameterScope& scope, const std::string& name) {
    if (std::optional<Vector> value = scope.lookup(name))
        return value;
    if (name == "pi")
        return Vector{std::numbers::pi};
    if (name == "e")
        return Vector{std::numbers::e};
    return std::nullopt;
}

// The name a vector in brackets takes in the text muParser sees: '$', a base-36 index, then
// '$' up to the group's own length, so that every offset stays that of the original text.
std::optional<std::string> bracketName(std::size_t index, std::size_t length) {
    static constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[index % kDigits.size()]);
        index /= kDigits.size();
    } while (index > 0);
    if (digits.size() + 1 > length)
        return std::nullopt;
    return "$" + digits + std::string(length - 1 - digits.size(), '$');
}

// The evaluation of one text: expressions hold vectors in brackets, whose elements are
// expressions again.
class TextEvaluation {
public:
    TextEvaluation(const std::string& text, const ParameterScope& scope)
        : text_(text), scope_(scope) {}

    Vector expression(TextSpan span) const {
        span = VectorSyntax::trim(text_, span);
        if (const std::optional<double> number = VectorSyntax::number(text_, span))
            return {*number};
        const std::vector<TextSpan> groups = VectorSyntax::bracketGroups(text_, span);
        if (groups.size() == 1 && groups.front() == span)
            return list(groups.front());
        // Each group becomes a name of the same length, bound to the group's value.
        std::string local = text_.substr(span.begin, span.size());
        std::vector<std::pair<std::string, Vector>> vectors;
        for (const TextSpan& group : groups) {
            std::optional<std::string> name = bracketName(vectors.size(), group.size());
            if (!name)
                fail(text_, group.begin, "too many vectors in one expression");
            local.replace(group.begin - span.begin, group.size(), *name);
            vectors.emplace_back(std::move(*name), list(group));
        }
        VectorExpression compiled(text_, std::move(local), span.begin,
                                  [&](const std::string& name) -> std::optional<Vector> {
                                      for (const auto& [known, value] : vectors)
                                          if (known == name)
                                              return value;
                                      return scopeOrConstant(scope_, name);
                                  });
        return compiled.evaluate();
    }

private:
    // The concatenated elements of the group `brackets` (brackets included).
    Vector list(TextSpan brackets) const {
        Vector out;
        for (const TextSpan& element :
             VectorSyntax::elements(text_, {brackets.begin + 1, brackets.end - 1})) {
            const Vector value = expression(element);
            out.insert(out.end(), value.begin(), value.end());
        }
        return out;
    }

    const std::string& text_;
    const ParameterScope& scope_;
};

Vector withoutLeadingZeros(Vector coefficients) {
    const auto first =
        std::find_if(coefficients.begin(), coefficients.end(), [](double c) { return c != 0; });
    if (first == coefficients.end())
        return {0.0};
    coefficients.erase(coefficients.begin(), first);
    return coefficients;
}

bool usesVariable(const std::string& text, TextSpan span) {
    return VectorSyntax::find(text, kPolynomialVariable, span) != std::string::npos;
}

// The value of the exponent `operand` of `text` when it is a number that does not use s;
// nullopt otherwise (the expansion reports a fault where it lies, in the whole text).
std::optional<double> exponentValue(const std::string& text, TextSpan operand,
                                    const ParameterScope& scope) {
    if (operand.size() == 0 || usesVariable(text, operand))
        return std::nullopt;
    try {
        const Vector value =
            ExpressionEvaluator::evaluate(text.substr(operand.begin, operand.size()), scope);
        if (value.size() == 1)
            return value.front();
    } catch (const ParameterError&) {
    }
    return std::nullopt;
}

int degreeBound(const std::string& text, const ParameterScope& scope) {
    return PolynomialDegreeBound::of(text, kPolynomialVariable, [&](TextSpan operand) {
        return exponentValue(text, operand, scope);
    });
}

// The expansion of a text that uses s: a scalar expression, sampled by PolynomialFit.
Vector expandInVariable(const std::string& text, const ParameterScope& scope) {
    const std::size_t bracket = text.find('[');
    if (bracket != std::string::npos)
        fail(text, bracket, "not a polynomial in s (a vector in brackets)");
    const int bound = degreeBound(text, scope);
    const std::string variable(kPolynomialVariable);
    VectorExpression compiled(text, text, 0, [&](const std::string& name) -> std::optional<Vector> {
        if (name == variable)
            return Vector{0.0};
        return scopeOrConstant(scope, name);
    });
    if (const auto vector = compiled.firstVectorName())
        fail(text, vector->second, "not a polynomial in s (\"" + vector->first + "\" is a vector)");
    double* s = compiled.slot(variable);
    if (s == nullptr)  // s only as a function name, say; muParser had nothing to complain of
        fail(text, VectorSyntax::find(text, kPolynomialVariable, {0, text.size()}),
             "not a polynomial in s");
    const std::optional<Vector> coefficients = PolynomialFit::fit(
        [&](double x) {
            *s = x;
            return compiled.evaluateScalar();
        },
        bound);
    if (!coefficients)
        fail(text, VectorSyntax::trim(text, {0, text.size()}).begin, "not a polynomial in s");
    return *coefficients;
}

}  // namespace

Vector ExpressionEvaluator::evaluate(const std::string& text, const ParameterScope& scope) {
    VectorSyntax::check(text);
    return TextEvaluation(text, scope).expression({0, text.size()});
}

Vector ExpressionEvaluator::polynomial(const std::string& text, const ParameterScope& scope) {
    VectorSyntax::check(text);
    // A mask parameter named s is a name like any other: the text is then coefficients.
    if (usesVariable(text, {0, text.size()}) && !scope.lookup(std::string(kPolynomialVariable)))
        return withoutLeadingZeros(expandInVariable(text, scope));
    const Vector coefficients = evaluate(text, scope);
    if (coefficients.empty())
        fail(text, VectorSyntax::trim(text, {0, text.size()}).begin, "no coefficients");
    return withoutLeadingZeros(coefficients);
}

}  // namespace VTSIM
