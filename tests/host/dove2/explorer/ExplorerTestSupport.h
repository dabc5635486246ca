#pragma once

#include <QApplication>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "dove2/AbstractDove2Domain.h"
#include "dove2/DomainRegistry.h"
#include "dove2/GlyphFactory.h"
#include "dove2/StudioApp.h"
#include "dove2/TreeSelectionChangedEvent.h"
#include "dove2/explorer/ElementDescriberBase.h"
#include "dove2/explorer/GetChildrenBase.h"
#include "dove2/explorer/GetIconBase.h"
#include "harbor/MenuInterface.h"
#include "harbor/Studio.h"
#include "quill/Quill.h"
#include "support/QtTestApplication.h"
#include "wren/Listener.h"

namespace ExplorerTest {

using TestSupport::qtApplication;

// A small metamodel of the explorer tests, besides the block-diagram one:
//   ExplorerTest.Model        name               (a model of no registered domain)
//   ExplorerTest.DomainModel  name               (the model class of DomainFixture's domain)
//   ExplorerTest.Node         name, links (reference list), partner (reference)
//   ExplorerTest.Foo          no attributes
//   ExplorerTest.Numbered     name (an integer)
struct GenericTypes {
    const QUILL::Type& model;
    const QUILL::Type& domainModel;
    const QUILL::Type& node;
    const QUILL::Type& foo;
    const QUILL::Type& numbered;
    const QUILL::Attribute& nodeName;
    const QUILL::Attribute& links;
    const QUILL::Attribute& partner;
    const QUILL::Attribute& number;

    static const GenericTypes& get() {
        static const GenericTypes types = [] {
            auto& registry = QUILL::TypeRegistry::instance();
            QUILL::Type& model = registry.define("ExplorerTest.Model");
            model.addAttribute("name", QUILL::ValueKind::String);
            QUILL::Type& domainModel = registry.define("ExplorerTest.DomainModel");
            domainModel.addAttribute("name", QUILL::ValueKind::String);
            QUILL::Type& node = registry.define("ExplorerTest.Node");
            const auto& name = node.addAttribute("name", QUILL::ValueKind::String);
            const auto& links = node.addAttribute("links", QUILL::ValueKind::ReferenceList);
            const auto& partner = node.addAttribute("partner", QUILL::ValueKind::Reference);
            QUILL::Type& foo = registry.define("ExplorerTest.Foo");
            QUILL::Type& numbered = registry.define("ExplorerTest.Numbered");
            const auto& number = numbered.addAttribute("name", QUILL::ValueKind::Int);
            return GenericTypes{model, domainModel, node,    foo,   numbered,
                                name,  links,       partner, number};
        }();
        return types;
    }
};

// Builds a model of the generic metamodel in one open transaction; commit() ends it and
// opens the next; the destructor closes the model.
class GenericModel {
public:
    explicit GenericModel(const QUILL::Type& modelType = GenericTypes::get().model)
        : model(QUILL::Model::create(modelType)),
          tx_(std::make_unique<QUILL::Transaction>(model)) {}
    ~GenericModel() {
        tx_.reset();
        model.close();
    }

    // A node named `name` at the end of `container` (the model object when empty).
    QUILL::ClassObject node(const std::string& name, const QUILL::ImmutableClassObject& in = {}) {
        QUILL::ClassObject n = QUILL::ClassObject::create(model, GenericTypes::get().node, at(in));
        n.set(GenericTypes::get().nodeName, name);
        return n;
    }
    QUILL::ClassObject foo(const QUILL::ImmutableClassObject& in = {}) {
        return QUILL::ClassObject::create(model, GenericTypes::get().foo, at(in));
    }
    void link(const QUILL::ClassObject& from, const std::vector<QUILL::ImmutableClassObject>& to) {
        QUILL::RefList ids;
        for (const auto& o : to)
            ids.push_back(o.getObjectId());
        from.set(GenericTypes::get().links, ids);
    }
    std::shared_ptr<const QUILL::ChangeSet> commit() {
        auto changes = tx_->commit();
        tx_ = std::make_unique<QUILL::Transaction>(model);
        return changes;
    }

    QUILL::Model model;

private:
    QUILL::ImmutableClassObject at(const QUILL::ImmutableClassObject& in) const {
        return in.isValid() ? in : model.getModelObject();
    }

    std::unique_ptr<QUILL::Transaction> tx_;
};

// The names (the "name" attribute) of objects, in order.
inline std::vector<std::string> namesOf(const std::vector<QUILL::ImmutableClassObject>& objects) {
    std::vector<std::string> names;
    for (const auto& o : objects)
        names.push_back(o.get<std::string>(o.getMetaClass().get().attribute("name")));
    return names;
}

// A populator that counts what it is told, for checking who calls it.
class CountingPopulator : public DOVE2::GetChildrenBase {
public:
    using DOVE2::GetChildrenBase::GetChildrenBase;
    void setStudioApp(DOVE2::StudioApp* app) override {
        ++studioAppSets;
        DOVE2::GetChildrenBase::setStudioApp(app);
    }
    int studioAppSets = 0;
};

// A domain for the models of class ExplorerTest.DomainModel with services of its own: a
// describer that prefixes "domain:", an icon controller with the icon "domain.png" for every
// object, and a new CountingPopulator per request (counted).
class ExplorerDomain : public DOVE2::AbstractDove2Domain {
public:
    class Describer : public DOVE2::ElementDescriberBase {
    public:
        void initializeDispatch() override {
            static const Table table = [] {
                Table t;
                t.setDefault([](Table::VisitorType&, const QUILL::ImmutableClassObject& o) {
                    return "domain:" + describeByName(o);
                });
                return t;
            }();
            setDispatchTable(&table);
        }
    };
    class Icons : public DOVE2::GetIconBase {
    public:
        const DOVE2::IconNode& getDefaultIconNode() const override {
            static const DOVE2::IconNode node{{}, "domain.png", "Test:Domain"};
            return node;
        }
    };

    HARBOR::Util::MenuInterface getMenuInterface() override { return {}; }
    PARR::Holder<HARBOR::AbstractDomainInterface> createInterface(HARBOR::Studio*) const override {
        return {};
    }
    PARR::StringID getName() const override { return "ExplorerTestDomain"; }
    PARR::StringID getModelClassFullName() const override { return "ExplorerTest.DomainModel"; }
    DOVE2::GlyphFactory* getGlyphFactory() const override { return &glyphs_; }
    void initializeEdgeCreationRuleSet() override {}
    const boost::shared_ptr<DOVE2::GetIconBase>& getIconController() const override {
        return icons_;
    }
    const boost::shared_ptr<DOVE2::ElementDescriberBase>& getElementDescriber() const override {
        return describer_;
    }
    boost::shared_ptr<DOVE2::GetChildrenBase> getTreePopulator() override {
        ++populatorRequests;
        lastPopulator = boost::shared_ptr<CountingPopulator>(new CountingPopulator());
        return lastPopulator;
    }
    PARR::Holder<DOVE2::Dove2DomainInterface> createDove2Interface(HARBOR::Studio*) const override {
        return {};
    }

    // The domain registered with the process-wide registry (once).
    static ExplorerDomain& registered() {
        static ExplorerDomain* domain = [] {
            auto* d = new ExplorerDomain();
            PARR::ErrorHolder errors;
            DOVE2::DomainRegistry::instance().registerDomain(
                PARR::Holder<DOVE2::AbstractDove2Domain>(d), errors);
            return d;
        }();
        return *domain;
    }

    int populatorRequests = 0;
    boost::shared_ptr<CountingPopulator> lastPopulator;

private:
    mutable DOVE2::GlyphFactory glyphs_;
    boost::shared_ptr<DOVE2::GetIconBase> icons_{new Icons()};
    boost::shared_ptr<DOVE2::ElementDescriberBase> describer_{new Describer()};
};

// A studio whose application is the framework's studio application.
struct StudioWithApp {
    StudioWithApp() : app(new DOVE2::StudioApp()) {
        studio.setApp(PARR::Holder<HARBOR::Application>(app));
    }
    HARBOR::Studio studio;
    DOVE2::StudioApp* app;
};

// Keeps every tree selection event the studio application sends.
class SelectionRecorder : public WREN::Listener {
public:
    explicit SelectionRecorder(DOVE2::StudioApp& app) {
        app.getTreeSelectionChangedEventService().subscribe(
            *this, [this](const DOVE2::TreeSelectionChangedEvent& e) { events.push_back(e); });
    }
    std::vector<DOVE2::TreeSelectionChangedEvent> events;
};

}  // namespace ExplorerTest
