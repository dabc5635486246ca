#include "harbor/Application.h"

#include "harbor/AbstractDomainInterface.h"

namespace HARBOR {

Application::~Application() = default;

std::string Application::getFullyQualifiedYarrowTypeName() const {
    return "HARBOR.Application";
}

void Application::initialize(PARR::ErrorHolder&) {}

void Application::terminate(PARR::ErrorHolder&) {}

PARR::Holder<AbstractDomainInterface> Application::getDefaultDomain(Studio*) const {
    return {};
}

}  // namespace HARBOR
