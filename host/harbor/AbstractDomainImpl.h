#pragma once

namespace HARBOR {

class AbstractDomainInterface;
class Studio;

// A domain's implementation for one studio: what the domain does on behalf of that studio
// (make applications and editors, in the frameworks that derive from it). A studio makes at
// most one per domain key, through the creator registered in its domain factory
// (Studio::getDomainImpl), and owns it: it is destroyed with the studio. The studio outlives
// it, so getStudio() is valid for the implementation's whole life.
class AbstractDomainImpl {
public:
    explicit AbstractDomainImpl(Studio* studio) : studio_(studio) {}
    AbstractDomainImpl(const AbstractDomainImpl&) = delete;
    AbstractDomainImpl& operator=(const AbstractDomainImpl&) = delete;
    virtual ~AbstractDomainImpl();

    virtual void activate() = 0;
    virtual void deactivate() = 0;
    // True when `other` (possibly null) is an interface of this domain or of a domain that
    // this one includes.
    virtual bool isSubDomain(AbstractDomainInterface* other) const = 0;

    // The studio served; never changes.
    Studio* getStudio() const { return studio_; }

private:
    Studio* studio_;
};

}  // namespace HARBOR
