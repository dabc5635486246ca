#pragma once

#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "sim/ParameterFault.h"
#include "sim/Vector.h"

namespace mu {
class ParserBase;
}

namespace VTSIM {

// One scalar expression compiled by muParser, whose names may stand for vectors: it evaluates
// element-wise, a one-element value standing for every element. Names are resolved on demand,
// the first time the parse meets them, through the resolver; a name the expression does not
// use is never asked for.
//
// The parser comes from a pool kept per thread and per nesting depth (resolving a name may
// evaluate further expressions while this one is being parsed), so constructing one costs no
// parser construction once the thread has warmed up. Objects of this class therefore live on
// the stack: on one thread they are destroyed in the reverse order of their construction.
// Not copyable; usable from the thread that made it only.
class VectorExpression {
public:
    // The value of a name; nullopt when the name is unknown. May throw ParameterError.
    using NameResolver = std::function<std::optional<Vector>(const std::string& name)>;

    // Compiles `expression`, a piece of `faultText` starting at offset `offset` (same length;
    // names muParser accepts may include '$'). Faults name `faultText` and positions in it.
    // Throws ParameterError: muParser's syntax faults, "unknown name \"K\"", and whatever the
    // resolver throws (unchanged).
    VectorExpression(std::string_view faultText, std::string expression, std::size_t offset,
                     NameResolver resolve);
    ~VectorExpression();
    VectorExpression(const VectorExpression&) = delete;
    VectorExpression& operator=(const VectorExpression&) = delete;

    // The element-wise value: as many elements as the vector names have (one when all are
    // scalars, none when one is empty). Throws ParameterError for vector names of different
    // lengths ("vectors of different lengths (2 and 3)") and for a result that is not finite.
    Vector evaluate();

    // The number a scalar name stands for in evaluateScalar(), to be set by the caller;
    // nullptr when the expression does not use `name`. Valid for this object's lifetime.
    double* slot(const std::string& name);
    // The first name the expression uses whose value does not have exactly one element, with
    // the offset of its first use in the fault text; nullopt when every name is a scalar.
    std::optional<std::pair<std::string, std::size_t>> firstVectorName() const;
    // The value with every name at its slot. Not checked: may be infinite or NaN.
    double evaluateScalar();

private:
    struct Variable {
        std::string name;
        Vector value;
        double slot = 0;  // the address muParser reads the variable from
    };

    // Hands out the pool's parser for the current depth, for as long as it lives.
    class ParserLease {
    public:
        ParserLease();
        ~ParserLease();
        ParserLease(const ParserLease&) = delete;
        ParserLease& operator=(const ParserLease&) = delete;
        mu::ParserBase& parser() const { return *parser_; }

    private:
        mu::ParserBase* parser_;
    };

    static double* defineOnDemand(const char* name, void* self);
    void resolve(Variable& variable);
    std::size_t positionOf(const std::string& name) const;
    [[noreturn]] void fail(std::size_t position, std::string reason) const;

    std::string faultText_;
    std::string expression_;
    std::size_t offset_;
    NameResolver resolve_;
    std::deque<Variable> variables_;  // a deque: muParser keeps the slots' addresses
    std::exception_ptr pending_;      // a fault met while muParser was parsing
    ParserLease lease_;
};

}  // namespace VTSIM
