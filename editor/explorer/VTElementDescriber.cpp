#include "explorer/VTElementDescriber.h"

#include <sstream>
#include <variant>

#include "quill/Exception.h"
#include "tessel/Diagnostics.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

namespace {

constexpr const char* kSource = "application/VTElementDescriber";

// The text of a name value: strings as they are, numbers and truth values written out; an
// unset value or one of another kind has no text (nullopt-like: `ok` false).
std::string textOf(const QUILL::Value& value, bool& ok) {
    ok = true;
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    std::ostringstream out;
    if (const auto* number = std::get_if<std::int64_t>(&value))
        out << *number;
    else if (const auto* real = std::get_if<double>(&value))
        out << *real;
    else if (const auto* truth = std::get_if<bool>(&value))
        out << (*truth ? "true" : "false");
    else
        ok = false;
    return out.str();
}

std::string unnamed(const QUILL::ImmutableType& type) {
    return " (" + type.getName() + ")";
}

}  // namespace

std::string defaultGetVTName(const QUILL::ImmutableClassObject& object) {
    if (!object.isValid() || !object.getMetaClass().isValid())
        QUILL::assertionFailed("object has no metaclass", kSource, __LINE__, __func__);
    const QUILL::ImmutableType type = object.getMetaClass();
    const QUILL::Attribute* name = type.findAttribute("name");
    if (!name)
        return unnamed(type);
    try {
        bool hasText = false;
        const std::string text = textOf(object.getValue(*name), hasText);
        if (!hasText)
            return unnamed(type);
        return text.empty() ? ":" + std::string(QUILL::kindName(name->getKind())) : text;
    } catch (const QUILL::Exception&) {
        if (TESSEL::utIsSignalThread())
            TESSEL::utPrintf("ChartixDI::ElementDescriber::visit::exception caught");
        return unnamed(type);
    }
}

ElementDescriber::ElementDescriber() = default;

ElementDescriber::~ElementDescriber() = default;

void ElementDescriber::initializeDispatch() {
    setDispatchTable(&dispatchTable());
}

const ElementDescriber::Table& ElementDescriber::dispatchTable() {
    static const Table* const table = [] {
        auto* t = new Table();
        t->setDefault([](Table::VisitorType&, const QUILL::ImmutableClassObject& object) {
            return defaultGetVTName(object);
        });
        t->add<VTQUILL::Diagram>([](Table::VisitorType&, const QUILL::ImmutableClassObject& o) {
            return VTQUILL::ImmutableDiagram(o).getName();
        });
        return t;
    }();
    return *table;
}

}  // namespace Vantor
