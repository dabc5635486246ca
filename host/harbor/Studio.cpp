#include "harbor/Studio.h"

#include <algorithm>
#include <mutex>

#include "harbor/StudioComponentBase.h"
#include "harbor/StudioComponentFactoryManager.h"

namespace HARBOR {

namespace {

struct StudioList {
    std::mutex mutex;
    std::vector<Studio*> studios;
};

StudioList& studioList() {
    static StudioList* list = new StudioList();
    return *list;
}

}  // namespace

Studio::Studio() {
    auto* tabFocus = new StudioEventService<Util::IntRequest>();
    services_.insert(PARR::StringID(kTabFocusEvents), PARR::Holder<StudioService>(tabFocus));
    tabFocusEvents_ = tabFocus;
    StudioList& list = studioList();
    std::lock_guard<std::mutex> guard(list.mutex);
    list.studios.push_back(this);
}

// Unlisted first, so that no search over all studios meets one half torn down. Components may
// hold domain interfaces that refer to the domain implementations, so they go before those.
Studio::~Studio() {
    {
        StudioList& list = studioList();
        std::lock_guard<std::mutex> guard(list.mutex);
        std::erase(list.studios, this);
    }
    activeComponent_.clear();
    components_.clear();
    setApp(nullptr);
    services_.clear();
    while (!domainImpls_.empty())
        domainImpls_.pop_back();
}

PARR::GList<Studio*> Studio::allStudios() {
    StudioList& list = studioList();
    std::lock_guard<std::mutex> guard(list.mutex);
    return PARR::GList<Studio*>(list.studios);
}

void Studio::setApp(PARR::Holder<Application> app) {
    if (app_)
        app_->studio_ = nullptr;
    app_ = std::move(app);
    if (app_)
        app_->studio_ = this;
}

void Studio::start(PARR::ErrorHolder& errors) {
    if (app_)
        app_->initialize(errors);
}

void Studio::shutDown(PARR::ErrorHolder& errors) {
    if (app_)
        app_->terminate(errors);
    // By name, not by pointer: terminating one component may remove another.
    std::vector<std::string> names;
    for (const StudioComponentBase* component : components_.all())
        names.push_back(component->getName());
    std::reverse(names.begin(), names.end());
    for (const std::string& name : names) {
        if (StudioComponentBase* component = components_.find(name))
            component->terminate(errors);
    }
    for (const std::string& name : names)
        removeComponent(name);
}

bool Studio::registerDomainCreator(const PARR::StringID& key, PARR::Holder<ClassCreator> creator) {
    if (!creator)
        return false;
    return domainFactory_.insert(key, std::move(creator));
}

AbstractDomainImpl* Studio::getDomainImpl(const PARR::StringID& key) {
    // For callers that take null as "no such domain here" and need no reason.
    PARR::ErrorHolder noReason;
    return getDomainImpl(key, noReason);
}

AbstractDomainImpl* Studio::getDomainImpl(const PARR::StringID& key, PARR::ErrorHolder& errors) {
    for (const auto& [madeKey, impl] : domainImpls_) {
        if (madeKey == key)
            return impl.get();
    }
    const PARR::Holder<ClassCreator>* creator = domainFactory_.find(key);
    if (!creator || !*creator) {
        errors.setError(kUnknownDomain, kUnknownDomainCode, {key.str()});
        return nullptr;
    }
    std::unique_ptr<AbstractDomainImpl> impl = (*creator)->create(this);
    if (!impl) {
        errors.setError(kDomainImplNotCreated, kDomainImplNotCreatedCode, {key.str()});
        return nullptr;
    }
    domainImpls_.emplace_back(key, std::move(impl));
    return domainImpls_.back().second.get();
}

bool Studio::registerService(const PARR::StringID& name, PARR::Holder<StudioService> service,
                             PARR::ErrorHolder& errors) {
    if (!service || !services_.insert(name, std::move(service))) {
        errors.setError(kDuplicateService, kDuplicateServiceCode, {name.str()});
        return false;
    }
    return true;
}

StudioService* Studio::getService2(const PARR::StringID& name, PARR::ErrorHolder& errors) const {
    const PARR::Holder<StudioService>* service = services_.find(name);
    if (!service) {
        errors.setError(kServiceNotFound, kServiceNotFoundCode, {name.str()});
        return nullptr;
    }
    return service->get();
}

bool Studio::addComponent(PARR::Holder<StudioComponentBase> component, PARR::ErrorHolder& errors) {
    const std::string name = component ? component->getName() : std::string();
    if (!components_.add(std::move(component))) {
        errors.setError(kDuplicateComponent, kDuplicateComponentCode, {name});
        return false;
    }
    notify(StudioNotice::Kind::ComponentAdded, name);
    return true;
}

StudioComponentBase* Studio::createComponent(const PARR::StringID& typeName,
                                             const std::string& name, PARR::ErrorHolder& errors) {
    PARR::Holder<StudioComponentBase> component =
        StudioComponentFactoryManager::instance().createComponent(typeName, this, name, errors);
    if (!component)
        return nullptr;
    StudioComponentBase* made = component.get();
    return addComponent(std::move(component), errors) ? made : nullptr;
}

StudioComponentBase* Studio::getComponent(const std::string& name) const {
    return components_.find(name);
}

StudioComponentBase* Studio::getComponent(const std::string& name,
                                          PARR::ErrorHolder& errors) const {
    StudioComponentBase* found = components_.find(name);
    if (!found)
        errors.setError(kComponentNotFound, kComponentNotFoundCode, {name});
    return found;
}

PARR::Holder<StudioComponentBase> Studio::removeComponent(const std::string& name) {
    PARR::Holder<StudioComponentBase> taken = components_.remove(name);
    if (!taken)
        return taken;
    if (activeComponent_ == name)
        setActiveComponent(std::string());
    notify(StudioNotice::Kind::ComponentRemoved, name);
    return taken;
}

bool Studio::hide(const std::string& name) {
    if (!components_.hide(name))
        return false;
    notify(StudioNotice::Kind::ComponentHidden, name);
    return true;
}

bool Studio::show(const std::string& name) {
    if (!components_.show(name))
        return false;
    notify(StudioNotice::Kind::ComponentShown, name);
    return true;
}

void Studio::setActiveComponent(const std::string& name) {
    const std::string active = components_.find(name) ? name : std::string();
    if (active == activeComponent_)
        return;
    activeComponent_ = active;
    notify(StudioNotice::Kind::ActiveComponentChanged, active);
}

StudioComponentBase* Studio::getActiveComponent() const {
    return activeComponent_.empty() ? nullptr : components_.find(activeComponent_);
}

void Studio::setStudioTitle(const std::string& title) {
    title_ = title;
    notify(StudioNotice::Kind::TitleChanged, title);
}

void Studio::setStudioTitleBarIcon(const std::string& path) {
    titleBarIcon_ = path;
    notify(StudioNotice::Kind::TitleBarIconChanged, path);
}

bool Studio::hasOpenDocuments(PARR::ErrorHolder&) const {
    const PARR::GList<StudioComponentBase*> components = components_.all();
    return std::any_of(components.begin(), components.end(),
                       [](const StudioComponentBase* c) { return c->isDocument(); });
}

bool Studio::closeIfEmpty() {
    PARR::ErrorHolder none;  // hasOpenDocuments reports nothing in this host
    if (hasOpenDocuments(none))
        return false;
    notify(StudioNotice::Kind::CloseRequested, std::string());
    return true;
}

void Studio::notify(StudioNotice::Kind kind, const std::string& subject) {
    notices_.emit(StudioNotice(kind, subject));
}

}  // namespace HARBOR
