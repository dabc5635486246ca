#include "dove2/DomainScriptingFunctions.h"

#include <cmath>
#include <memory>
#include <stdexcept>

#include "dove2/DomainRegistry.h"
#include "harbor/AbstractDomainInterface.h"
#include "harbor/Application.h"
#include "harbor/Studio.h"
#include "tessel/FunctionRegistry.h"

namespace DOVE2 {

namespace {

constexpr const char* kPackage = "vtprivate";

bool names(HARBOR::AbstractDomain& domain, const std::string& package,
           const std::string& function) {
    const HARBOR::Util::MenuInterface menu = domain.getMenuInterface();
    return menu.getPackageName() == package && menu.getFunctionName() == function;
}

HARBOR::Studio& studioOf(const std::vector<TESSEL::Value>& args) {
    const PARR::GList<HARBOR::Studio*> studios = HARBOR::Studio::allStudios();
    if (studios.empty())
        throw std::runtime_error("No studio is open.");
    if (args.empty() || args.front().isEmpty())
        return *studios.back();
    const double number = args.front().asDouble();
    if (number != std::floor(number) || number < 1 || number > static_cast<double>(studios.size()))
        throw std::runtime_error("There is no studio number " + std::to_string(number) + ".");
    return *studios.at(static_cast<std::size_t>(number) - 1);
}

TESSEL::FunctionRegistry::Function interfaceFunction(const std::string& name) {
    return [name](const std::vector<TESSEL::Value>& args) {
        HARBOR::Studio& studio = studioOf(args);
        PARR::Holder<HARBOR::AbstractDomainInterface> made =
            interfaceNamedBy(kPackage, name, studio);
        if (!made)
            throw std::runtime_error("No domain of the studio answers " +
                                     TESSEL::FunctionRegistry::qualifiedName(kPackage, name) + ".");
        // The scripting value keeps the interface's reference until it is dropped.
        std::shared_ptr<HARBOR::AbstractDomainInterface> held(
            made.release(), [](HARBOR::AbstractDomainInterface* i) { i->unref(); });
        const std::string type = held->getFullyQualifiedYarrowTypeName();
        return std::vector<TESSEL::Value>{TESSEL::Value::wrap(std::move(held), type)};
    };
}

}  // namespace

PARR::Holder<HARBOR::AbstractDomainInterface> interfaceNamedBy(const std::string& package,
                                                               const std::string& function,
                                                               HARBOR::Studio& studio) {
    for (AbstractDove2Domain* domain : DomainRegistry::instance().getDomains()) {
        if (names(*domain, package, function))
            return domain->createInterface(&studio);
    }
    HARBOR::Application* app = studio.getApp();
    PARR::Holder<HARBOR::AbstractDomainInterface> fallback =
        app ? app->getDefaultDomain(&studio) : PARR::Holder<HARBOR::AbstractDomainInterface>();
    if (fallback && names(*fallback->getDomain(), package, function))
        return fallback;
    return {};
}

void registerDomainScriptingFunctions() {
    auto& registry = TESSEL::FunctionRegistry::instance();
    for (const char* name : {"vtGetVantorInterface", "vtGetCommonInterface"})
        registry.registerFunction(kPackage, name, interfaceFunction(name));
}

}  // namespace DOVE2
