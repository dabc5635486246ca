#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dove2/AbstractDove2Domain.h"
#include "dove2/GlyphFactory.h"
#include "harbor/MenuInterface.h"

namespace Dove2Test {

// A diagram domain with a given name and model class that records what it is asked, for the
// tests of the domain layer. Sets *destroyed (when given) as it goes.
class FakeDomain : public DOVE2::AbstractDove2Domain {
public:
    FakeDomain(std::string name, std::string modelClass, bool* destroyed = nullptr)
        : name_(std::move(name)), modelClass_(std::move(modelClass)), destroyed_(destroyed) {}
    ~FakeDomain() override {
        if (destroyed_)
            *destroyed_ = true;
    }

    HARBOR::Util::MenuInterface getMenuInterface() override {
        return {"fakeGetInterface", "fakeprivate"};
    }
    PARR::Holder<HARBOR::AbstractDomainInterface> createInterface(HARBOR::Studio*) const override {
        return {};
    }
    PARR::StringID getName() const override { return name_; }
    PARR::StringID getModelClassFullName() const override { return modelClass_; }
    DOVE2::GlyphFactory* getGlyphFactory() const override { return &glyphFactory; }
    void initializeEdgeCreationRuleSet() override { ++ruleSetInitializations; }
    const boost::shared_ptr<DOVE2::GetIconBase>& getIconController() const override {
        return iconController;
    }
    const boost::shared_ptr<DOVE2::ElementDescriberBase>& getElementDescriber() const override {
        return elementDescriber;
    }
    boost::shared_ptr<DOVE2::GetChildrenBase> getTreePopulator() override {
        ++treePopulatorRequests;
        return {};
    }
    void installTools(DOVE2::Editor* editor) const override {
        DOVE2::AbstractDove2Domain::installTools(editor);
        toolEditors.push_back(editor);
    }
    PARR::Holder<DOVE2::Dove2DomainInterface> createDove2Interface(HARBOR::Studio*) const override {
        return {};
    }

    mutable DOVE2::GlyphFactory glyphFactory;
    boost::shared_ptr<DOVE2::GetIconBase> iconController;
    boost::shared_ptr<DOVE2::ElementDescriberBase> elementDescriber;
    int ruleSetInitializations = 0;
    int treePopulatorRequests = 0;
    mutable std::vector<DOVE2::Editor*> toolEditors;

private:
    std::string name_;
    std::string modelClass_;
    bool* destroyed_;
};

}  // namespace Dove2Test
