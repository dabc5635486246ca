#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Dove2DomainInterface.h"
#include "harbor/RegisteredClassCreator.h"
#include "harbor/Studio.h"

namespace Vantor {

class VTCommonDomainImpl;

// The common domain as one studio sees it, and the base of the diagram domain's interface.
// Construction registers the common implementation's creator in the studio's domain factory
// (once per studio) and keeps the studio's implementation, which the studio owns and which
// outlives the interface.
class VANTOR_EXPORT VTCommonDomainInterface : public DOVE2::Dove2DomainInterface {
public:
    static const char* const yarrowTypeName;  // "VTQUILL.VTCommonDomain"

    explicit VTCommonDomainInterface(HARBOR::Studio* studio);
    ~VTCommonDomainInterface() override;

    std::string getFullyQualifiedYarrowTypeName() const override;
    // The framework's activate, respectively deactivate.
    void activate() override;
    void deactivate() override;
    // VTCommonDomain::get().
    HARBOR::AbstractDomain* getDomain() const override;
    DOVE2::AbstractDove2Domain* getDove2Domain() const override;
    // The studio's common implementation; null only without a studio.
    DOVE2::AbstractDove2DomainImpl* getDove2DomainImpl() const override;

    // The name the host gives a new top-level system.
    std::string getNewSystemName() const;

protected:
    // The studio's implementation of the domain `key`: registers a creator of T under the key
    // in the studio's domain factory unless one is registered, then asks the studio for the
    // implementation. Null without a studio or when the implementation is not a T.
    template <class T>
    static T* attachDomainImpl(HARBOR::Studio* studio, const char* key) {
        if (!studio)
            return nullptr;
        PARR::RegisteredClassCreator<T>::registerOnce(*studio, PARR::StringID(key));
        return dynamic_cast<T*>(studio->getDomainImpl(PARR::StringID(key)));
    }

    // The studio's common implementation (VTDomainInterface keeps its own besides).
    VTCommonDomainImpl* commonImpl() const { return commonImpl_; }

private:
    VTCommonDomainImpl* commonImpl_ = nullptr;
};

}  // namespace Vantor
