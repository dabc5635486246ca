#include "application/VTCommonDomainInterface.h"

#include "application/VTCommonDomain.h"
#include "application/VTCommonDomainImpl.h"
#include "vtdove/SystemNames.h"

namespace Vantor {

const char* const VTCommonDomainInterface::yarrowTypeName = "VTQUILL.VTCommonDomain";

VTCommonDomainInterface::VTCommonDomainInterface(HARBOR::Studio* studio)
    : DOVE2::Dove2DomainInterface(studio),
      commonImpl_(attachDomainImpl<VTCommonDomainImpl>(studio, VTCommonDomainImpl::key)) {}

VTCommonDomainInterface::~VTCommonDomainInterface() = default;

std::string VTCommonDomainInterface::getFullyQualifiedYarrowTypeName() const {
    return yarrowTypeName;
}

void VTCommonDomainInterface::activate() {
    DOVE2::Dove2DomainInterface::activate();
}

void VTCommonDomainInterface::deactivate() {
    DOVE2::Dove2DomainInterface::deactivate();
}

HARBOR::AbstractDomain* VTCommonDomainInterface::getDomain() const {
    return VTCommonDomain::get();
}

DOVE2::AbstractDove2Domain* VTCommonDomainInterface::getDove2Domain() const {
    return VTCommonDomain::get();
}

DOVE2::AbstractDove2DomainImpl* VTCommonDomainInterface::getDove2DomainImpl() const {
    return commonImpl_;
}

std::string VTCommonDomainInterface::getNewSystemName() const {
    return VTDove::getNewSystemName();
}

}  // namespace Vantor
