#include "chartix/CXDomain.h"

#include "chartix/ChartSchema.h"
#include "dove2/DomainRegistry.h"
#include "tessel/AssertionError.h"

namespace CHARTIX {

CXDomain* CXDomain::get() {
    static CXDomain* const domain = PARR::heldForever(new CXDomain());
    return domain;
}

void CXDomain::ensureRegistered() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    DOVE2::DomainRegistry& registry = DOVE2::DomainRegistry::instance();
    PARR::ErrorHolder absent;  // the lookup's "unknown domain" is the expected answer
    if (registry.getStaticDomain(PARR::StringID(kName), absent))
        return;
    PARR::ErrorHolder errors;
    registry.registerDomain(PARR::Holder<DOVE2::AbstractDove2Domain>(get()), errors);
    TESSEL_ASSERT(!errors.hasError(), "chartix/CXDomain", __LINE__);
}

PARR::StringID CXDomain::getName() const {
    static const PARR::StringID name(kName);
    return name;
}

PARR::StringID CXDomain::getModelClassFullName() const {
    static const PARR::StringID name(ChartSchema::get().model.getQualifiedName());
    return name;
}

DOVE2::GlyphFactory* CXDomain::getGlyphFactory() const {
    return &glyphFactory_;
}

}  // namespace CHARTIX
