#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/AbstractDove2DomainImpl.h"

namespace Vantor {

// The block-diagram domain's implementation for one studio: it makes the application object
// of a block-diagram model and the editor (a Vantor::Editor) of a diagram. Made by the
// creator registered under `key` in the studio's domain factory; the studio owns it.
class VANTOR_EXPORT VTDomainImpl : public DOVE2::AbstractDove2DomainImpl {
public:
    static const char* const key;  // "Vantor:VTDomain"
    // The error of createApplication for a model of another kind (argument: "VTDomain").
    static constexpr const char* kIncompatibleDomain = "DOVE2_IncompatibleDomain";
    static constexpr std::uint32_t kIncompatibleDomainCode = 0x6E0005;
    // The error of createEditor when the framework made no block-diagram editor (argument:
    // the editor's name).
    static constexpr const char* kNoEditor = "Vantor_EditorNotCreated";
    static constexpr std::uint32_t kNoEditorCode = 0x6E0030;

    explicit VTDomainImpl(HARBOR::Studio* studio);
    ~VTDomainImpl() override;

    void activate() override;
    void deactivate() override;
    // True when `other` is a VTDomainInterface.
    bool isSubDomain(HARBOR::AbstractDomainInterface* other) const override;
    // A new Vantor::Application for a block-diagram model, held by the caller alone; empty
    // with kIncompatibleDomain in `errors` (replacing what it held) for any other model.
    PARR::Holder<DOVE2::Application> createApplication(const QUILL::Model& model,
                                                       PARR::ErrorHolder& errors) override;
    // A new Vantor::Editor of `diagram` made through the studio's application, given a new
    // domain interface and the domain's tools. Null with the error when none was made.
    DOVE2::Editor* createEditor(const DOVE2::Diagram& diagram, std::string name,
                                PARR::ErrorHolder& errors) override;
};

}  // namespace Vantor
