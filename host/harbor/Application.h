#pragma once

#include <string>

#include "harbor/AbstractDomainInterface.h"
#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "parr/ReferencedTemplate.h"

namespace HARBOR {

class Studio;

// The application object of one studio: what a framework's studio application (the diagram
// framework's StudioApp) derives from. A studio holds one (Studio::setApp), which sets the
// application's studio; the studio starts it with initialize() and stops it with terminate().
// Reference counted (count starts at 0), held by the studio through PARR::Holder.
class Application : public PARR::ReferencedTemplate<unsigned int> {
public:
    Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application() override;

    // The scripting type name; the base answers "HARBOR.Application".
    virtual std::string getFullyQualifiedYarrowTypeName() const;
    // Called once when the studio starts (Studio::start), and once when it shuts down
    // (Studio::shutDown). The base does nothing; errors go to `errors`.
    virtual void initialize(PARR::ErrorHolder& errors);
    virtual void terminate(PARR::ErrorHolder& errors);
    // A new interface of the studio's default domain, held by the caller alone. The base has
    // no default domain and answers an empty holder.
    virtual PARR::Holder<AbstractDomainInterface> getDefaultDomain(Studio* studio) const;

    // The studio holding this application, or null while none does.
    Studio* getStudio() const { return studio_; }

private:
    friend class Studio;

    Studio* studio_ = nullptr;
};

}  // namespace HARBOR
