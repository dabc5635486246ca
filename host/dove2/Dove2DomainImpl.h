#pragma once

#include "dove2/AbstractDove2DomainImpl.h"

namespace DOVE2 {

// The generic domain's implementation for one studio: applications are plain
// DOVE2::Application objects, editors are the framework's own editor ("DOVE2:Editor") with
// the generic tools.
class Dove2DomainImpl : public AbstractDove2DomainImpl {
public:
    // The key of the creator in a studio's domain factory.
    static constexpr const char* key = "DOVE2:Dove2Domain";

    explicit Dove2DomainImpl(HARBOR::Studio* studio);

    void activate() override {}
    void deactivate() override {}
    bool isSubDomain(HARBOR::AbstractDomainInterface* other) const override;
    // A new application object for any valid model; empty with kCannotServeModel otherwise.
    PARR::Holder<Application> createApplication(const QUILL::Model& model,
                                                PARR::ErrorHolder& errors) override;
    // The editor of `diagram` made through the studio's application (which must be a
    // DOVE2::StudioApp), given a generic domain interface and the generic tools.
    Editor* createEditor(const Diagram& diagram, std::string name,
                         PARR::ErrorHolder& errors) override;

    static constexpr const char* kCannotServeModel = "DOVE2_IncompatibleDomain";
    static constexpr std::uint32_t kCannotServeModelCode = 0x6E0005;
    static constexpr const char* kNoStudioApp = "DOVE2_NoStudioApp";
    static constexpr std::uint32_t kNoStudioAppCode = 0x6E0012;
};

}  // namespace DOVE2
