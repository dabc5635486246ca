#pragma once

#include <string>

#include "dove2/Application.h"
#include "harbor/AbstractDomainImpl.h"
#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "quill/Model.h"
#include "wren/Listener.h"

namespace DOVE2 {

class Diagram;
class Editor;

// A diagram domain's implementation for one studio: it makes the application object of a
// model and the editor of a diagram. Made by the creator registered under the domain's key in
// the studio's domain factory and owned by the studio (see HARBOR::AbstractDomainImpl), which
// outlives it. Also a WREN::Listener, so that the connections it makes to studio signals end
// with it.
//
// Virtual operations after those of HARBOR::AbstractDomainImpl (activate, deactivate,
// isSubDomain), in table order: createApplication, createEditor.
class AbstractDove2DomainImpl : public HARBOR::AbstractDomainImpl, public WREN::Listener {
public:
    explicit AbstractDove2DomainImpl(HARBOR::Studio* studio);
    ~AbstractDove2DomainImpl() override;

    // A new application object for `model` in this studio, held by the caller alone. Empty,
    // with an error in `errors`, when the model is not of this domain.
    virtual PARR::Holder<Application> createApplication(const QUILL::Model& model,
                                                        PARR::ErrorHolder& errors) = 0;
    // The editor of `diagram` in this studio, named `name`; the studio holds it. Null, with
    // an error in `errors` where there is one to report, when no editor could be made.
    virtual Editor* createEditor(const Diagram& diagram, std::string name,
                                 PARR::ErrorHolder& errors) = 0;
};

}  // namespace DOVE2
