#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/explorer/ElementDescriberBase.h"
#include "quill/ImmutableClassObject.h"

namespace Vantor {

// The model explorer's text of a block-diagram object: a diagram's name; for every other
// object defaultGetVTName. One dispatch table for all describers, built on first use and kept
// for the process. Handed out by VTDomain::getElementDescriber. User-interface thread only.
class VANTOR_EXPORT ElementDescriber : public DOVE2::ElementDescriberBase {
public:
    ElementDescriber();
    ~ElementDescriber() override;

    void initializeDispatch() override;
    static const Table& dispatchTable();
};

// The text of an object by its "name" attribute: the value's text when not empty, ":" and
// the attribute's kind name ("string") when empty; " (" + the metaclass's name + ")" when the
// class has no name, the value is unset or reading it fails. An object without a metaclass is
// the repository's assertion failure (QUILL::Exception).
VANTOR_EXPORT std::string defaultGetVTName(const QUILL::ImmutableClassObject& object);

}  // namespace Vantor
