#include "application/VTCommonDomainImpl.h"

#include "application/VTCommonDomainInterface.h"

namespace Vantor {

const char* const VTCommonDomainImpl::key = "Vantor:VTCommonDomain";

VTCommonDomainImpl::VTCommonDomainImpl(HARBOR::Studio* studio)
    : DOVE2::AbstractDove2DomainImpl(studio) {}

VTCommonDomainImpl::~VTCommonDomainImpl() = default;

void VTCommonDomainImpl::activate() {}

void VTCommonDomainImpl::deactivate() {}

bool VTCommonDomainImpl::isSubDomain(HARBOR::AbstractDomainInterface* other) const {
    return dynamic_cast<VTCommonDomainInterface*>(other) != nullptr;
}

PARR::Holder<DOVE2::Application> VTCommonDomainImpl::createApplication(const QUILL::Model&,
                                                                       PARR::ErrorHolder&) {
    return {};
}

DOVE2::Editor* VTCommonDomainImpl::createEditor(const DOVE2::Diagram&, std::string name,
                                                PARR::ErrorHolder&) {
    name.clear();
    name.shrink_to_fit();
    return nullptr;
}

}  // namespace Vantor
