#include "application/VTDomainInterface.h"

#include "application/VTDomain.h"
#include "application/VTDomainImpl.h"

namespace Vantor {

const char* const VTDomainInterface::yarrowTypeName = "VTQUILL.VTDomain";

VTDomainInterface::VTDomainInterface(HARBOR::Studio* studio)
    : VTCommonDomainInterface(studio),
      impl_(attachDomainImpl<VTDomainImpl>(studio, VTDomainImpl::key)) {}

VTDomainInterface::~VTDomainInterface() = default;

std::string VTDomainInterface::getFullyQualifiedYarrowTypeName() const {
    return yarrowTypeName;
}

void VTDomainInterface::activate() {
    DOVE2::Dove2DomainInterface::activate();
}

void VTDomainInterface::deactivate() {
    DOVE2::Dove2DomainInterface::deactivate();
}

HARBOR::AbstractDomain* VTDomainInterface::getDomain() const {
    return VTDomain::get();
}

DOVE2::AbstractDove2Domain* VTDomainInterface::getDove2Domain() const {
    return VTDomain::get();
}

DOVE2::AbstractDove2DomainImpl* VTDomainInterface::getDove2DomainImpl() const {
    return impl_;
}

}  // namespace Vantor
