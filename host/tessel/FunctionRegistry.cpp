#include "tessel/FunctionRegistry.h"

#include <exception>

namespace TESSEL {

namespace {

thread_local std::string tLastError;

}  // namespace

FunctionRegistry& FunctionRegistry::instance() {
    static auto* registry = new FunctionRegistry;
    return *registry;
}

void FunctionRegistry::registerFunction(const std::string& package, const std::string& name,
                                        Function function) {
    std::lock_guard<std::mutex> guard(mutex_);
    functions_[{package, name}] = std::move(function);
}

bool FunctionRegistry::unregisterFunction(const std::string& package, const std::string& name) {
    std::lock_guard<std::mutex> guard(mutex_);
    return functions_.erase({package, name}) > 0;
}

bool FunctionRegistry::isRegistered(const std::string& package, const std::string& name) const {
    std::lock_guard<std::mutex> guard(mutex_);
    return functions_.count({package, name}) > 0;
}

FunctionRegistry::Function FunctionRegistry::find(const std::string& package,
                                                  const std::string& name) const {
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = functions_.find({package, name});
    return found == functions_.end() ? Function() : found->second;
}

int FunctionRegistry::callTrapped(const std::string& package, const std::string& name,
                                  const std::vector<Value>& args, std::vector<Value>& results,
                                  int resultCount, std::string* error) {
    // A copy of the function, so that it may unregister itself while it runs.
    const Function function = find(package, name);
    if (!function) {
        return fail(UnknownFunction, "Undefined function '" + qualifiedName(package, name) + "'.",
                    results, error);
    }
    std::vector<Value> returned;
    try {
        returned = function(args);
    } catch (const std::exception& e) {
        return fail(RaisedError, e.what(), results, error);
    } catch (...) {
        return fail(RaisedError, "'" + qualifiedName(package, name) + "' raised an unknown error.",
                    results, error);
    }
    if (resultCount >= 0 && returned.size() < static_cast<std::size_t>(resultCount)) {
        return fail(TooFewResults,
                    "'" + qualifiedName(package, name) + "' returned " +
                        std::to_string(returned.size()) + " results, " +
                        std::to_string(resultCount) + " were asked for.",
                    results, error);
    }
    if (resultCount >= 0) {
        returned.resize(static_cast<std::size_t>(resultCount));
    }
    results = std::move(returned);
    tLastError.clear();
    return Success;
}

int FunctionRegistry::fail(int status, std::string message, std::vector<Value>& results,
                           std::string* error) {
    results.clear();
    tLastError = std::move(message);
    if (error != nullptr) {
        *error = tLastError;
    }
    return status;
}

const std::string& FunctionRegistry::lastError() {
    return tLastError;
}

std::string FunctionRegistry::qualifiedName(const std::string& package, const std::string& name) {
    return package.empty() ? name : package + "." + name;
}

int inCallFcnWithTrap(int resultCount, std::vector<Value>& results, const std::vector<Value>& args,
                      const std::string& functionName) {
    const auto dot = functionName.rfind('.');
    const std::string package = dot == std::string::npos ? "" : functionName.substr(0, dot);
    const std::string name = dot == std::string::npos ? functionName : functionName.substr(dot + 1);
    return FunctionRegistry::instance().callTrapped(package, name, args, results, resultCount);
}

}  // namespace TESSEL
