#pragma once

#include <string>

#include "quill/CooperativeVisitor.h"
#include "quill/ImmutableClassObject.h"

namespace DOVE2 {

// Turns a model object into the text the model explorer shows for it. The text is chosen per
// class of the object by a dispatch table (QUILL::CooperativeVisitor) shared by all
// describers of one kind: a domain's describer derives from this class, builds its table once
// per process and installs it in its override of initializeDispatch.
//
// Used as it stands, the base describes any object generically (describeByName). A domain
// hands its describer out through boost::shared_ptr; the table is not owned and must outlive
// the describer (tables are built once and kept until the process ends).
// User-interface thread only.
class ElementDescriberBase
    : public QUILL::CooperativeVisitor::Visitor<std::string, QUILL::ImmutableClassObject> {
public:
    ElementDescriberBase();
    ~ElementDescriberBase() override;

    // The text of `object`, by the dispatch table; initializeDispatch runs first when no
    // table is installed yet (the generic table is used when it installs none). `flags` are
    // the caller's (the tree passes 0 for its labels); no handler sees them, domains ignore
    // them. An empty text for an invalid object, or when the handler raised the repository's
    // exception (QUILL::Exception). Throws nothing else of its own.
    std::string describe(const QUILL::ImmutableClassObject& object, unsigned flags);

    // Installs the dispatch table (setDispatchTable). The base installs the generic table.
    virtual void initializeDispatch();

    // The generic text of an object: the value of its class's "name" attribute when that is a
    // non-empty text, else the name of its metaclass ("Line" for a "VTQUILL.Line").
    static std::string describeByName(const QUILL::ImmutableClassObject& object);
    // The generic table: only a default entry, describeByName. Built once per process.
    static const Table& genericDispatchTable();
};

}  // namespace DOVE2
