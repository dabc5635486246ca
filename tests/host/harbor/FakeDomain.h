#pragma once

#include <string>
#include <vector>

#include "harbor/AbstractDomain.h"
#include "harbor/AbstractDomainImpl.h"
#include "harbor/AbstractDomainInterface.h"

namespace HARBORTest {

// A domain with a fixed name whose interfaces are FakeDomainInterfaces.
class FakeDomain : public HARBOR::AbstractDomain {
public:
    explicit FakeDomain(std::string name = "FakeDomain") : name_(std::move(name)) {}

    HARBOR::Util::MenuInterface getMenuInterface() override {
        return HARBOR::Util::MenuInterface("fakeGetInterface", "fakeprivate");
    }
    PARR::Holder<HARBOR::AbstractDomainInterface> createInterface(
        HARBOR::Studio* studio) const override;
    PARR::StringID getName() const override { return PARR::StringID(name_); }
    PARR::StringID getModelClassFullName() const override { return "FAKE.Model"; }

private:
    std::string name_;
};

class FakeDomainInterface : public HARBOR::AbstractDomainInterface {
public:
    FakeDomainInterface(HARBOR::Studio* studio, const FakeDomain& domain)
        : AbstractDomainInterface(studio), domain_(const_cast<FakeDomain&>(domain)) {}

    HARBOR::AbstractDomain* getDomain() const override { return &domain_; }

private:
    FakeDomain& domain_;
};

inline PARR::Holder<HARBOR::AbstractDomainInterface> FakeDomain::createInterface(
    HARBOR::Studio* studio) const {
    return PARR::makeHeld<FakeDomainInterface>(studio, *this);
}

// A domain implementation that logs its construction and destruction ("+tag", "-tag") in a
// log shared by all of them, so tests can see how many were made and in which order they go.
class FakeDomainImpl : public HARBOR::AbstractDomainImpl {
public:
    explicit FakeDomainImpl(HARBOR::Studio* studio) : FakeDomainImpl(studio, "impl") {}
    FakeDomainImpl(HARBOR::Studio* studio, std::string tag)
        : AbstractDomainImpl(studio), tag_(std::move(tag)) {
        log().push_back("+" + tag_);
    }
    ~FakeDomainImpl() override { log().push_back("-" + tag_); }

    void activate() override {}
    void deactivate() override {}
    bool isSubDomain(HARBOR::AbstractDomainInterface* other) const override {
        return dynamic_cast<FakeDomainInterface*>(other) != nullptr;
    }

    static std::vector<std::string>& log() {
        static std::vector<std::string> entries;
        return entries;
    }

private:
    std::string tag_;
};

// A second implementation type, tagged "other", to tell creators apart.
class OtherDomainImpl : public FakeDomainImpl {
public:
    explicit OtherDomainImpl(HARBOR::Studio* studio) : FakeDomainImpl(studio, "other") {}
};

}  // namespace HARBORTest
