#include "dove2/explorer/ElementDescriberBase.h"

#include "dove2/explorer/LazyTableVisit.h"
#include "quill/Type.h"

namespace DOVE2 {

ElementDescriberBase::ElementDescriberBase() = default;

ElementDescriberBase::~ElementDescriberBase() = default;

std::string ElementDescriberBase::describe(const QUILL::ImmutableClassObject& object,
                                           unsigned /*flags*/) {
    if (!object.isValid())
        return {};
    return visitWithLazyTable(
        *this, object, [this] { initializeDispatch(); }, genericDispatchTable(), std::string());
}

void ElementDescriberBase::initializeDispatch() {
    setDispatchTable(&genericDispatchTable());
}

std::string ElementDescriberBase::describeByName(const QUILL::ImmutableClassObject& object) {
    const QUILL::ImmutableType type = object.getMetaClass();
    const QUILL::Attribute* name = type.findAttribute("name");
    if (name && name->getKind() == QUILL::ValueKind::String) {
        const std::string& text = object.get<std::string>(*name);
        if (!text.empty())
            return text;
    }
    return type.getName();
}

const ElementDescriberBase::Table& ElementDescriberBase::genericDispatchTable() {
    static const Table table = [] {
        Table t;
        t.setDefault([](Table::VisitorType&, const QUILL::ImmutableClassObject& object) {
            return describeByName(object);
        });
        return t;
    }();
    return table;
}

}  // namespace DOVE2
