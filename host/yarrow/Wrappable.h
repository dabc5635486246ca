#pragma once

#include <string>

namespace yarrow::factory::full {

// The base of host objects that the scripting environment can see (domain interfaces, editors,
// studio applications). It holds no data. Being a Wrappable makes an object safe to announce
// without ownership (BindingRegistry::announce(name, wrappable)): the destructor retracts
// every binding of the object, so the registry never hands out a destroyed object.
class Wrappable {
public:
    Wrappable() = default;
    Wrappable(const Wrappable&) = default;
    Wrappable& operator=(const Wrappable&) = default;
    virtual ~Wrappable();

    // The object's scripting type name ("VTQUILL.VTDomain"). The base answers an empty text:
    // no type of its own.
    virtual std::string getScriptingTypeName() const;
};

}  // namespace yarrow::factory::full
