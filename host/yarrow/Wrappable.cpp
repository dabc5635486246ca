#include "yarrow/Wrappable.h"

#include "yarrow/BindingRegistry.h"

namespace yarrow::factory::full {

Wrappable::~Wrappable() {
    basic::BindingRegistry::instance().retractWrappable(this);
}

std::string Wrappable::getScriptingTypeName() const {
    return {};
}

}  // namespace yarrow::factory::full
