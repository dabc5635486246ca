#pragma once

#include <string>
#include <utility>

#include "dove2/AbstractDove2DomainImpl.h"
#include "dove2/Application.h"
#include "dove2/Diagram.h"

namespace Dove2Test {

// A studio's implementation of a fake domain: makes an application for every valid model,
// reports "Fake_NoModel" for an invalid one, and answers createEditor with the editor it was
// given to answer, remembering the name it was asked for.
class FakeDomainImpl : public DOVE2::AbstractDove2DomainImpl {
public:
    explicit FakeDomainImpl(HARBOR::Studio* studio) : DOVE2::AbstractDove2DomainImpl(studio) {}

    void activate() override { active = true; }
    void deactivate() override { active = false; }
    bool isSubDomain(HARBOR::AbstractDomainInterface*) const override { return false; }

    PARR::Holder<DOVE2::Application> createApplication(const QUILL::Model& model,
                                                       PARR::ErrorHolder& errors) override {
        if (!model.isValid()) {
            errors.setError("Fake_NoModel", 1);
            return {};
        }
        return PARR::makeHeld<DOVE2::Application>(model, getStudio());
    }
    DOVE2::Editor* createEditor(const DOVE2::Diagram&, std::string name,
                                PARR::ErrorHolder&) override {
        editorName = std::move(name);
        return editorToMake;
    }

    bool active = false;
    DOVE2::Editor* editorToMake = nullptr;
    std::string editorName;
};

}  // namespace Dove2Test
