#pragma once

#include <string>
#include <vector>

#include "tessel/WarningService.h"

namespace TestSupport {

// Records the identifier and text of every warning given while it lives (from any thread:
// the recorder itself is not locked, so give warnings from one thread at a time).
class WarningRecorder {
public:
    WarningRecorder()
        : token_(TESSEL::WarningService::instance().subscribe(
              [this](const std::string& identifier, const std::string& text) {
                  identifiers.push_back(identifier);
                  texts.push_back(text);
              })) {}
    ~WarningRecorder() { TESSEL::WarningService::instance().unsubscribe(token_); }
    WarningRecorder(const WarningRecorder&) = delete;
    WarningRecorder& operator=(const WarningRecorder&) = delete;

    std::vector<std::string> identifiers;
    std::vector<std::string> texts;

private:
    TESSEL::WarningService::Token token_;
};

}  // namespace TestSupport
