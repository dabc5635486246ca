#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "tessel/Value.h"

namespace TESSEL {

// The scripting environment's named functions. A function lives in a package ("vtprivate",
// "cxprivate") or, with an empty package name, at the top level; it takes a list of argument
// values and returns a list of result values, and raises an error by throwing.
//
// Functions are called "with trapping": `callTrapped` never lets an exception escape; it
// answers a status and keeps the error message for the caller.
//
// A process-wide singleton (`instance`), made on first use and never destroyed. All
// operations are thread-safe; a function runs on the caller's thread with no registry lock
// held, so it may call or register other functions.
class FunctionRegistry {
public:
    using Function = std::function<std::vector<Value>(const std::vector<Value>& args)>;

    // Status answers of `callTrapped`: 0 on success, nonzero on failure.
    enum Status : int {
        Success = 0,
        UnknownFunction = 1,  // no function under that package and name
        RaisedError = 2,      // the function threw
        TooFewResults = 3,    // the function returned fewer results than were asked for
    };

    static FunctionRegistry& instance();

    FunctionRegistry(const FunctionRegistry&) = delete;
    FunctionRegistry& operator=(const FunctionRegistry&) = delete;

    // Registers `function` as `package`.`name`, replacing a function registered there before.
    void registerFunction(const std::string& package, const std::string& name, Function function);
    // Removes `package`.`name`; returns false when nothing was registered there.
    bool unregisterFunction(const std::string& package, const std::string& name);
    bool isRegistered(const std::string& package, const std::string& name) const;

    // Calls `package`.`name` with `args`. On success `results` holds what the function
    // returned, cut to `resultCount` values when that is not negative, and the answer is
    // Success. Otherwise `results` is emptied, the answer is nonzero and the message is kept
    // in `lastError()` (and copied to `*error` when given): "Undefined function
    // 'package.name'." for an unknown function, the exception's message for a raised error, a
    // text naming the counts when too few results came back.
    int callTrapped(const std::string& package, const std::string& name,
                    const std::vector<Value>& args, std::vector<Value>& results,
                    int resultCount = -1, std::string* error = nullptr);

    // The error message of the calling thread's last failed `callTrapped`; empty after a
    // successful one.
    static const std::string& lastError();

    // "package.name", or "name" for the top level.
    static std::string qualifiedName(const std::string& package, const std::string& name);

private:
    FunctionRegistry() = default;

    int fail(int status, std::string message, std::vector<Value>& results, std::string* error);
    Function find(const std::string& package, const std::string& name) const;

    mutable std::mutex mutex_;
    std::map<std::pair<std::string, std::string>, Function> functions_;
};

// The host's trapped call in the scripting environment's own calling convention: calls the
// function named `functionName` ("package.function", or a top-level name such as
// "cxprivate") with `args`, expecting `resultCount` results (all when negative). Answers 0 on
// success and nonzero when the function is unknown, raised an error or returned too few
// results; the message is in FunctionRegistry::lastError().
int inCallFcnWithTrap(int resultCount, std::vector<Value>& results, const std::vector<Value>& args,
                      const std::string& functionName);

}  // namespace TESSEL
