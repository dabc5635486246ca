#include "harbor/Application.h"

namespace HARBOR {

Application::~Application() = default;

std::string Application::getFullyQualifiedYarrowTypeName() const {
    return "HARBOR.Application";
}

void Application::initialize(PARR::ErrorHolder&) {}

void Application::terminate(PARR::ErrorHolder&) {}

AbstractDomainInterface* Application::getDefaultDomain(Studio*) const {
    return nullptr;
}

}  // namespace HARBOR
