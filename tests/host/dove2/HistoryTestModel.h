#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "dove2/Command.h"
#include "dove2/QUILLCommand.h"
#include "parr/Holder.h"
#include "quill/Quill.h"

namespace Dove2Test {

// A tiny metamodel for the command machinery: a model holding items; an item has a name, a
// value and may contain other items.
struct HistoryTypes {
    const QUILL::Type& model;
    const QUILL::Type& item;
    const QUILL::Attribute& name;
    const QUILL::Attribute& value;

    static const HistoryTypes& get();
};

using ModelState = std::map<QUILL::ObjectId, QUILL::ObjectState>;

// Every object reachable from the model object as `model` shows it (a root or a working
// copy), keyed by id: two states are equal exactly when the instances show the same objects
// in the same states.
ModelState stateOf(const QUILL::ImmutableModel& model);

// Builds a model's start state directly (not through a history), one committed transaction
// per call. The model is closed when the builder goes (so its history leaves the registry).
class ModelBuilder {
public:
    ModelBuilder();
    ~ModelBuilder();
    ModelBuilder(const ModelBuilder&) = delete;
    ModelBuilder& operator=(const ModelBuilder&) = delete;

    // Adds an item below the model object.
    ModelBuilder& item(const std::string& name, int value);
    const QUILL::Model& model() const { return model_; }
    // The item of that name; an empty handle when there is none.
    QUILL::ClassObject find(const std::string& name) const;

private:
    QUILL::Model model_;
};

// Commands on the test model, each a QUILLCommand with one action; handles are re-bound to
// the command's model before they are changed.
PARR::Holder<DOVE2::Command> setValueCommand(const QUILL::Model& model,
                                             const QUILL::ImmutableClassObject& item, int value,
                                             const std::string& label = "Set Value");
PARR::Holder<DOVE2::Command> addItemCommand(const QUILL::Model& model, const std::string& name,
                                            int value);
PARR::Holder<DOVE2::Command> removeItemCommand(const QUILL::Model& model,
                                               const QUILL::ImmutableClassObject& item);
PARR::Holder<DOVE2::Command> renameCommand(const QUILL::Model& model,
                                           const QUILL::ImmutableClassObject& item,
                                           const std::string& name);
// Sets the item's value, then reports an error "Test_Refused".
PARR::Holder<DOVE2::Command> failingCommand(const QUILL::Model& model,
                                            const QUILL::ImmutableClassObject& item);
// Sets the item's value and adds an item, then throws std::runtime_error("broken").
PARR::Holder<DOVE2::Command> throwingCommand(const QUILL::Model& model,
                                             const QUILL::ImmutableClassObject& item);
// A command that runs without error and changes nothing.
PARR::Holder<DOVE2::Command> idleCommand(const QUILL::Model& model,
                                         const std::string& label = "Nothing");

// A listener that counts the reports it hears and keeps the last one's change set.
class ReportCounter : public QUILL::ListenerBase {
public:
    explicit ReportCounter(const QUILL::Model& model) { model.registerModifierOnCommit(this); }
    void onCommit(const QUILL::ReportOfChanges<>& report) override;

    int reports = 0;
    std::vector<QUILL::ObjectId> lastModified;
    std::vector<QUILL::ObjectId> lastCreated;
    std::vector<QUILL::ObjectId> lastDeleted;
};

}  // namespace Dove2Test
