#pragma once

#include <string>

#include "harbor/StudioComponentFactory.h"
#include "parr/Holder.h"

namespace DOVE2 {

// The component factory of components of class T, made as T(studio, name) and held; registered
// with HARBOR::StudioComponentFactoryManager under `typeName` (T's static type name).
template <class T>
class StudioFactory : public HARBOR::StudioComponentFactory {
public:
    explicit StudioFactory(std::string typeName) : typeName_(std::move(typeName)) {}
    std::string getTypeName() const override { return typeName_; }
    PARR::Holder<HARBOR::StudioComponentBase> create(HARBOR::Studio* studio,
                                                     const std::string& name) const override {
        return PARR::makeHeld<T>(studio, name);
    }

private:
    std::string typeName_;
};

}  // namespace DOVE2
