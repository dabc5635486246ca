#pragma once

#include <string>

#include "application/Export.h"
#include "application/VTCommonDomainInterface.h"

namespace Vantor {

class VTDomainImpl;

// The block-diagram domain as one studio sees it. Construction first attaches the studio's
// common implementation (the base), then registers the diagram domain's creator in the
// studio's domain factory (once per studio) and keeps the studio's VTDomainImpl.
class VANTOR_EXPORT VTDomainInterface : public VTCommonDomainInterface {
public:
    static const char* const yarrowTypeName;  // "VTQUILL.VTDomain"

    explicit VTDomainInterface(HARBOR::Studio* studio);
    ~VTDomainInterface() override;

    std::string getFullyQualifiedYarrowTypeName() const override;
    // The framework's activate (an active diagram-domain interface is reachable from the
    // studio), respectively deactivate.
    void activate() override;
    void deactivate() override;
    // VTDomain::get().
    HARBOR::AbstractDomain* getDomain() const override;
    DOVE2::AbstractDove2Domain* getDove2Domain() const override;
    // The studio's VTDomainImpl; null only without a studio.
    DOVE2::AbstractDove2DomainImpl* getDove2DomainImpl() const override;

private:
    VTDomainImpl* impl_ = nullptr;
};

}  // namespace Vantor
