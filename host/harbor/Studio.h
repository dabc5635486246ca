#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "harbor/AbstractDomainImpl.h"
#include "harbor/Application.h"
#include "harbor/ClassCreator.h"
#include "harbor/IntRequest.h"
#include "harbor/StudioComponentTable.h"
#include "harbor/StudioEventService.h"
#include "harbor/StudioNotice.h"
#include "harbor/StudioService.h"
#include "parr/ErrorHolder.h"
#include "parr/GHash.h"
#include "parr/GList.h"
#include "parr/Holder.h"
#include "parr/StringID.h"
#include "wren/Emitter.h"

namespace HARBOR {

class StudioComponentBase;

// A studio's domain factory: the class creator of each domain implementation, by domain key.
using DomainFactory = PARR::GHash<PARR::StringID, PARR::Holder<ClassCreator>>;

// One studio: the platform side of a studio window. It holds the studio's application, its
// components by name, its services by name and, per domain key, the creator and the one
// implementation of that domain for this studio. The window that shows it listens to
// notices() (title, icon, components shown and hidden, close requests).
//
// Every studio is listed by allStudios() from construction to destruction. A studio owns its
// domain implementations and holds references to its application, components and services;
// all go with the studio: components first, then the application, the services and the domain
// implementations (latest made first). User-interface thread only (allStudios excepted).
//
// From construction on a studio offers the event service "TabFocusEvents"
// (StudioEventService<Util::IntRequest>): its window sends the index of each tab that
// receives the focus.
class Studio {
public:
    static constexpr const char* kTabFocusEvents = "TabFocusEvents";

    // Error raised for a component name not in the studio; argument: the name.
    static constexpr const char* kComponentNotFound = "HARBOR_ComponentNotFound";
    static constexpr std::uint32_t kComponentNotFoundCode = 0x710001;
    // Error raised when a component is added under a name in use (or is null); argument: the
    // name.
    static constexpr const char* kDuplicateComponent = "HARBOR_DuplicateComponent";
    static constexpr std::uint32_t kDuplicateComponentCode = 0x710002;
    // Error raised for a service name the studio does not offer; argument: the name.
    static constexpr const char* kServiceNotFound = "HARBOR_ServiceNotFound";
    static constexpr std::uint32_t kServiceNotFoundCode = 0x710003;
    // Error raised when a service is registered under a name in use (or is null); argument:
    // the name.
    static constexpr const char* kDuplicateService = "HARBOR_DuplicateService";
    static constexpr std::uint32_t kDuplicateServiceCode = 0x710004;
    // Error raised for a domain key without a registered creator; argument: the key.
    static constexpr const char* kUnknownDomain = "HARBOR_UnknownDomain";
    static constexpr std::uint32_t kUnknownDomainCode = 0x710005;
    // Error raised when the creator of a domain key made nothing; argument: the key.
    static constexpr const char* kDomainImplNotCreated = "HARBOR_DomainImplNotCreated";
    static constexpr std::uint32_t kDomainImplNotCreatedCode = 0x710006;
    // Error raised when a service is not of the type asked for; argument: the name.
    static constexpr const char* kWrongServiceType = "HARBOR_WrongServiceType";
    static constexpr std::uint32_t kWrongServiceTypeCode = 0x710007;

    Studio();
    Studio(const Studio&) = delete;
    Studio& operator=(const Studio&) = delete;
    ~Studio();

    // Every live studio, in the order they were made. Thread-safe.
    static PARR::GList<Studio*> allStudios();

    // --- Application ---
    // The studio's application, or null while none is set.
    Application* getApp() const { return app_.get(); }
    // Holds `app` (null clears) as the studio's application and sets its studio; the one held
    // before lets go of the studio.
    void setApp(PARR::Holder<Application> app);
    // Starts the application (Application::initialize); nothing without one.
    void start(PARR::ErrorHolder& errors);
    // Terminates the application, then every component (latest added first), and removes the
    // components. Errors of all of them go to `errors` (the last one stays).
    void shutDown(PARR::ErrorHolder& errors);

    // --- Domains ---
    // The domain factory, for looking up and inserting creators by domain key.
    DomainFactory& getDomainFactory() { return domainFactory_; }
    const DomainFactory& getDomainFactory() const { return domainFactory_; }
    // Registers `creator` under `key` unless a creator is registered there already; true
    // when this call registered it. A null creator registers nothing.
    bool registerDomainCreator(const PARR::StringID& key, PARR::Holder<ClassCreator> creator);
    // This studio's implementation of the domain `key`, made by its creator on the first
    // request and the same object ever after; the studio owns it. Null when no creator is
    // registered under the key or the creator made nothing (the variant with `errors` then
    // reports kUnknownDomain, respectively kDomainImplNotCreated).
    AbstractDomainImpl* getDomainImpl(const PARR::StringID& key);
    AbstractDomainImpl* getDomainImpl(const PARR::StringID& key, PARR::ErrorHolder& errors);

    // --- Services ---
    // Offers `service` under `name` and returns true; refused (false, error
    // kDuplicateService) for a null service or a name in use.
    bool registerService(const PARR::StringID& name, PARR::Holder<StudioService> service,
                         PARR::ErrorHolder& errors);
    // The service offered under `name`; null with kServiceNotFound when there is none. Valid
    // while the studio lives.
    StudioService* getService2(const PARR::StringID& name, PARR::ErrorHolder& errors) const;
    // The service under `name` as a T; null with kServiceNotFound, or with kWrongServiceType
    // when it is of another type.
    template <class T>
    T* getService(const PARR::StringID& name, PARR::ErrorHolder& errors) const {
        StudioService* service = getService2(name, errors);
        if (!service)
            return nullptr;
        T* typed = dynamic_cast<T*>(service);
        if (!typed)
            errors.setError(kWrongServiceType, kWrongServiceTypeCode, {name.str()});
        return typed;
    }
    // The "TabFocusEvents" service; never null.
    StudioEventService<Util::IntRequest>* getTabFocusEvents() const { return tabFocusEvents_; }

    // --- Components ---
    // Adds `component` under its name and returns true; refused (false, error
    // kDuplicateComponent) for a null component or a name in use.
    bool addComponent(PARR::Holder<StudioComponentBase> component, PARR::ErrorHolder& errors);
    // Makes a component of type `typeName` named `name` through the component factory manager
    // and adds it; the studio holds it. Null (and nothing added) with the manager's error or
    // kDuplicateComponent. The component is not initialized.
    StudioComponentBase* createComponent(const PARR::StringID& typeName, const std::string& name,
                                         PARR::ErrorHolder& errors);
    // The component named `name`; null when there is none (with kComponentNotFound in the
    // variant with `errors`). Valid until it is removed.
    StudioComponentBase* getComponent(const std::string& name) const;
    StudioComponentBase* getComponent(const std::string& name, PARR::ErrorHolder& errors) const;
    // Takes the component named `name` out of the studio and returns it (null Holder when
    // there is none); it is no longer active. It is not terminated.
    PARR::Holder<StudioComponentBase> removeComponent(const std::string& name);
    // The components, in the order they were added.
    PARR::GList<StudioComponentBase*> getComponents() const { return components_.all(); }
    // Hides, or shows again, the component named `name`; the name need not be in use yet (a
    // component added later under it starts hidden). Returns true when that changed anything.
    bool hide(const std::string& name);
    bool show(const std::string& name);
    bool isHidden(const std::string& name) const { return components_.isHidden(name); }
    // Makes the component named `name` the active one (the one the Edit actions act on); an
    // empty or unknown name leaves no component active.
    void setActiveComponent(const std::string& name);
    // The active component, or null.
    StudioComponentBase* getActiveComponent() const;

    // --- Title ---
    void setStudioTitle(const std::string& title);
    const std::string& getStudioTitle() const { return title_; }
    // The file path of the icon of the window's title bar.
    void setStudioTitleBarIcon(const std::string& path);
    const std::string& getStudioTitleBarIcon() const { return titleBarIcon_; }

    // --- Closing ---
    // True while the studio holds a document component (StudioComponentBase::isDocument),
    // hidden or not. Reports nothing into `errors` in this host.
    bool hasOpenDocuments(PARR::ErrorHolder& errors) const;
    // Asks the window to close when the studio holds no document any more (a CloseRequested
    // notice); does nothing otherwise. True when the request was made.
    bool closeIfEmpty();

    // What the window of the studio listens to.
    WREN::Emitter<StudioNotice>& notices() { return notices_; }

private:
    void notify(StudioNotice::Kind kind, const std::string& subject);

    PARR::Holder<Application> app_;
    DomainFactory domainFactory_;
    // In the order made, so they can go latest first.
    std::vector<std::pair<PARR::StringID, std::unique_ptr<AbstractDomainImpl>>> domainImpls_;
    PARR::GHash<PARR::StringID, PARR::Holder<StudioService>> services_;
    StudioEventService<Util::IntRequest>* tabFocusEvents_ = nullptr;
    StudioComponentTable components_;
    std::string activeComponent_;
    std::string title_;
    std::string titleBarIcon_;
    WREN::Emitter<StudioNotice> notices_;
};

}  // namespace HARBOR
