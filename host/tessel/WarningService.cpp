#include "tessel/WarningService.h"

#include <iostream>
#include <vector>

namespace TESSEL {

WarningService& WarningService::instance() {
    static auto* service = new WarningService;
    return *service;
}

WarningService::Token WarningService::subscribe(Subscriber subscriber) {
    std::lock_guard<std::mutex> guard(mutex_);
    const Token token = nextToken_++;
    subscribers_.emplace(token, std::move(subscriber));
    return token;
}

bool WarningService::unsubscribe(Token token) {
    std::lock_guard<std::mutex> guard(mutex_);
    return subscribers_.erase(token) > 0;
}

void WarningService::warn(const std::string& identifier, const std::string& text) {
    std::vector<Subscriber> receivers;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        lastIdentifier_ = identifier;
        lastText_ = text;
        for (const auto& [token, subscriber] : subscribers_) {
            receivers.push_back(subscriber);
        }
    }
    std::cerr << "Warning: " << text << " [" << identifier << "]" << std::endl;
    for (const auto& receiver : receivers) {
        receiver(identifier, text);
    }
}

std::string WarningService::lastIdentifier() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return lastIdentifier_;
}

std::string WarningService::lastText() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return lastText_;
}

void warning(const std::string& identifier, const std::string& text) {
    WarningService::instance().warn(identifier, text);
}

}  // namespace TESSEL
