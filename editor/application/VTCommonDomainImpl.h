#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/AbstractDove2DomainImpl.h"

namespace Vantor {

// The common domain's implementation for one studio. It makes nothing: the studio's editors
// and applications come from the diagram domain. Made by the creator registered under `key`
// in the studio's domain factory; the studio owns it.
class VANTOR_EXPORT VTCommonDomainImpl : public DOVE2::AbstractDove2DomainImpl {
public:
    static const char* const key;  // "Vantor:VTCommonDomain"

    explicit VTCommonDomainImpl(HARBOR::Studio* studio);
    ~VTCommonDomainImpl() override;

    void activate() override;
    void deactivate() override;
    // True for every VTCommonDomainInterface, which includes every VTDomainInterface.
    bool isSubDomain(HARBOR::AbstractDomainInterface* other) const override;
    // Nothing (an empty holder); `errors` is left untouched.
    PARR::Holder<DOVE2::Application> createApplication(const QUILL::Model& model,
                                                       PARR::ErrorHolder& errors) override;
    // Releases `name` and returns null.
    DOVE2::Editor* createEditor(const DOVE2::Diagram& diagram, std::string name,
                                PARR::ErrorHolder& errors) override;
};

}  // namespace Vantor
