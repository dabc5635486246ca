#include "sim/VectorExpression.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

#include <muParserBase.h>

#include "sim/VectorSyntax.h"

namespace VTSIM {

namespace {

double naturalLog(double x) {
    return std::log(x);
}
double sine(double x) {
    return std::sin(x);
}
double cosine(double x) {
    return std::cos(x);
}
double tangent(double x) {
    return std::tan(x);
}
double exponential(double x) {
    return std::exp(x);
}
double squareRoot(double x) {
    return std::sqrt(x);
}
double absolute(double x) {
    return std::fabs(x);
}
double negative(double x) {
    return -x;
}
double positive(double x) {
    return x;
}

// Reads the number literal at `text` for muParser, as its own reader does but without building
// a locale-bound stream per token (a third of the parse time otherwise). Returns 1 and
// advances `position` when a finite literal starts there; 0 leaves the text to other tokens.
int readLiteral(const char* text, int* position, double* value) {
    const char* digits = *text == '-' || *text == '+' ? text + 1 : text;
    if (!((*digits >= '0' && *digits <= '9') || *digits == '.'))
        return 0;
    double read = 0;
    const auto [end, error] = std::from_chars(digits, digits + std::strlen(digits), read);
    if (error != std::errc() || !std::isfinite(read))
        return 0;
    *position += static_cast<int>(end - text);
    *value = *text == '-' ? -read : read;
    return 1;
}

// A parser that knows exactly our functions: muParser's standard set (and its meaning of log
// in some releases) is not the language of parameters. No constants: pi and e are names a mask
// may redefine, so they come through the resolver like any name.
class ParameterParser : public mu::ParserBase {
public:
    ParameterParser() {
        AddValIdent(readLiteral);
        InitCharSets();
        InitFun();
        InitConst();
        InitOprt();
    }

    void InitCharSets() override {
        // '$' names the vectors in brackets (see ExpressionEvaluator).
        DefineNameChars("0123456789_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ$");
        DefineOprtChars("+-*^/");
        DefineInfixOprtChars("+-");
    }
    void InitFun() override {
        DefineFun("sin", sine);
        DefineFun("cos", cosine);
        DefineFun("tan", tangent);
        DefineFun("exp", exponential);
        DefineFun("log", naturalLog);
        DefineFun("sqrt", squareRoot);
        DefineFun("abs", absolute);
    }
    void InitConst() override {}
    void InitOprt() override {
        DefineInfixOprt("-", negative);
        DefineInfixOprt("+", positive);
    }
};

// Parsers by nesting depth: index d serves the expression being parsed while d others are.
struct ParserPool {
    std::vector<std::unique_ptr<mu::ParserBase>> parsers;
    std::size_t depth = 0;
};
thread_local ParserPool pool;

std::string displayed(const std::string& token) {
    // A vector in brackets reaches muParser under a '$' name.
    return token.find('$') == std::string::npos ? "\"" + token + "\"" : "[...]";
}

std::string reasonOf(const mu::ParserError& error) {
    const std::string token = displayed(error.GetToken());
    switch (error.GetCode()) {
        case mu::ecUNEXPECTED_OPERATOR:
            return "unexpected operator " + token;
        case mu::ecUNEXPECTED_EOF:
            return "unexpected end of expression";
        case mu::ecUNEXPECTED_VAL:
            return "unexpected number " + token;
        case mu::ecUNEXPECTED_VAR:
            return "unexpected name " + token;
        case mu::ecUNEXPECTED_PARENS:
            return "unexpected parenthesis " + token;
        case mu::ecMISSING_PARENS:
            return "missing parenthesis";
        case mu::ecUNEXPECTED_FUN:
            return "unexpected function " + token;
        case mu::ecTOO_MANY_PARAMS:
            return "too many arguments for " + token;
        case mu::ecTOO_FEW_PARAMS:
            return "too few arguments for " + token;
        default:
            return error.GetMsg();
    }
}

}  // namespace

VectorExpression::ParserLease::ParserLease() {
    if (pool.depth == pool.parsers.size())
        pool.parsers.push_back(std::make_unique<ParameterParser>());
    parser_ = pool.parsers[pool.depth++].get();
}

VectorExpression::ParserLease::~ParserLease() {
    --pool.depth;
}

VectorExpression::VectorExpression(std::string_view faultText, std::string expression,
                                   std::size_t offset, NameResolver resolve)
    : faultText_(faultText),
      expression_(std::move(expression)),
      offset_(offset),
      resolve_(std::move(resolve)) {
    mu::ParserBase& parser = lease_.parser();
    // The pooled parser still knows the previous expression's names, bound to its slots.
    parser.ClearVar();
    parser.SetVarFactory(&VectorExpression::defineOnDemand, this);
    try {
        parser.SetExpr(expression_);
        parser.Eval();  // muParser parses on the first evaluation
    } catch (const mu::ParserError& error) {
        // A fault met first (an unknown name) explains muParser's later complaint.
        if (pending_)
            std::rethrow_exception(pending_);
        const std::size_t at = error.GetPos() < 0 ? 0 : static_cast<std::size_t>(error.GetPos());
        fail(std::min(at, expression_.size()), reasonOf(error));
    }
    if (pending_)
        std::rethrow_exception(pending_);
}

VectorExpression::~VectorExpression() = default;

double* VectorExpression::defineOnDemand(const char* name, void* self) {
    auto* expression = static_cast<VectorExpression*>(self);
    Variable& variable = expression->variables_.emplace_back();
    variable.name = name;
    // muParser's parse is not ours to unwind: faults wait until it returns.
    if (!expression->pending_) {
        try {
            expression->resolve(variable);
        } catch (...) {
            expression->pending_ = std::current_exception();
        }
    }
    return &variable.slot;
}

void VectorExpression::resolve(Variable& variable) {
    const std::string& name = variable.name;
    if (name.front() == '.' || (name.front() >= '0' && name.front() <= '9'))
        fail(positionOf(name), "malformed number \"" + name + "\"");
    std::optional<Vector> value = resolve_(name);
    // A '$' comes from a vector in brackets that muParser read together with a name
    // beside it ("K[1 2]").
    if (!value && name.find('$') != std::string::npos)
        fail(positionOf(name), "missing operator next to a vector in brackets");
    if (!value)
        fail(positionOf(name), "unknown name \"" + name + "\"");
    variable.value = std::move(*value);
    variable.slot = variable.value.empty() ? 0.0 : variable.value.front();
}

Vector VectorExpression::evaluate() {
    std::size_t length = 1;
    for (const Variable& variable : variables_) {
        const std::size_t size = variable.value.size();
        if (size == 1 || size == length)
            continue;
        if (length != 1)
            fail(positionOf(variable.name), "vectors of different lengths (" +
                                                std::to_string(length) + " and " +
                                                std::to_string(size) + ")");
        length = size;
    }
    Vector out;
    out.reserve(length);
    mu::ParserBase& parser = lease_.parser();
    for (std::size_t i = 0; i < length; ++i) {
        for (Variable& variable : variables_)
            variable.slot = variable.value.size() == 1 ? variable.value[0] : variable.value[i];
        const double value = parser.Eval();
        if (!std::isfinite(value))
            fail(VectorSyntax::trim(expression_, {0, expression_.size()}).begin,
                 length == 1 ? "not a finite number"
                             : "not a finite number (element " + std::to_string(i + 1) + ")");
        out.push_back(value);
    }
    return out;
}

double* VectorExpression::slot(const std::string& name) {
    for (Variable& variable : variables_)
        if (variable.name == name)
            return &variable.slot;
    return nullptr;
}

std::optional<std::pair<std::string, std::size_t>> VectorExpression::firstVectorName() const {
    for (const Variable& variable : variables_)
        if (variable.value.size() != 1)
            return std::make_pair(variable.name, offset_ + positionOf(variable.name));
    return std::nullopt;
}

double VectorExpression::evaluateScalar() {
    return lease_.parser().Eval();
}

std::size_t VectorExpression::positionOf(const std::string& name) const {
    const std::size_t at = VectorSyntax::find(expression_, name, {0, expression_.size()});
    return at == std::string::npos ? 0 : at;
}

void VectorExpression::fail(std::size_t position, std::string reason) const {
    ParameterFault fault;
    fault.text = faultText_;
    fault.position = offset_ + position;
    fault.reason = std::move(reason);
    throw ParameterError(std::move(fault));
}

}  // namespace VTSIM
