#include "tessel/AssertionError.h"

#include <iostream>

namespace TESSEL {

namespace {

std::string describe(const std::string& message, const std::string& source, int line) {
    return "Assertion failed: " + message + " at " + source + ":" + std::to_string(line);
}

}  // namespace

AssertionError::AssertionError(const std::string& message, const std::string& source, int line)
    : std::logic_error(describe(message, source, line)),
      message_(message),
      source_(source),
      line_(line) {}

void assertionFailed(const std::string& message, const std::string& source, int line) {
    AssertionError error(message, source, line);
    std::cerr << error.what() << std::endl;
    throw error;
}

}  // namespace TESSEL
