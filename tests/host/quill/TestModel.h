#pragma once

#include <map>
#include <string>

#include "quill/Quill.h"

namespace QuillTest {

// A small metamodel for repository tests: a model holding nodes, a node with one attribute
// of each common kind, and a subclass of node.
struct TestTypes {
    const QUILL::Type& model;
    const QUILL::Type& node;
    const QUILL::Type& special;
    const QUILL::Attribute& name;
    const QUILL::Attribute& weight;
    const QUILL::Attribute& position;
    const QUILL::Attribute& route;
    const QUILL::Attribute& link;
    const QUILL::Attribute& extra;

    static const TestTypes& get();
};

// Every object state the root holds, keyed by id, as comparable values: two dumps are equal
// exactly when the instances hold the same objects in the same states.
std::map<QUILL::ObjectId, QUILL::ObjectState> dump(const QUILL::Model& model);

// Creates a node named `name` inside `container` (the model object when empty), in its own
// committed transaction.
QUILL::ClassObject addNode(const QUILL::Model& model, const std::string& name,
                           const QUILL::ImmutableClassObject& container = {});

// Names of the objects contained in `container`, in order.
std::vector<std::string> childNames(const QUILL::ImmutableClassObject& container);

// A listener that keeps every report it hears.
class RecordingListener : public QUILL::ListenerBase {
public:
    struct Heard {
        std::vector<QUILL::ImmutableClassObject> created, modified, deleted;
        std::shared_ptr<const QUILL::ChangeSet> changes;
        QUILL::ImmutableModel model;
    };
    void onCommit(const QUILL::ReportOfChanges<>& report) override;
    void onDeviantDestroyed(QUILL::Deviant& instance) override;

    std::vector<Heard> reports;
    std::vector<QUILL::Deviant*> destroyed;
};

}  // namespace QuillTest
