#include "HistoryTestModel.h"

namespace Dove2Test {

using namespace QUILL;

const HistoryTypes& HistoryTypes::get() {
    static const HistoryTypes types = [] {
        auto& registry = TypeRegistry::instance();
        Type& model = registry.define("Dove2Test.Model");
        Type& item = registry.define("Dove2Test.Item");
        const Attribute& name = item.addAttribute("name", ValueKind::String);
        const Attribute& value = item.addAttribute("value", ValueKind::Int);
        return HistoryTypes{model, item, name, value};
    }();
    return types;
}

ModelState stateOf(const ImmutableModel& model) {
    // Walks defensively: a broken tree (a dangling or cyclic link) makes the state differ
    // from any sound one instead of crashing the test.
    ModelState all;
    const Deviant& instance = model.getDeviant();
    std::vector<ObjectId> pending{instance.getModelObject()};
    while (!pending.empty()) {
        const ObjectId id = pending.back();
        pending.pop_back();
        const ObjectState* state = instance.find(id);
        if (!state) {
            all.emplace(id, ObjectState());
            continue;
        }
        if (!all.emplace(id, *state).second)
            continue;
        for (ObjectId c = state->firstChild; c != kNoObject;) {
            pending.push_back(c);
            const ObjectState* child = instance.find(c);
            c = child ? child->nextSibling : kNoObject;
        }
    }
    return all;
}

ModelBuilder::ModelBuilder() : model_(Model::create(HistoryTypes::get().model)) {}

ModelBuilder::~ModelBuilder() {
    model_.close();
}

ModelBuilder& ModelBuilder::item(const std::string& name, int value) {
    Transaction t(model_);
    ClassObject item =
        ClassObject::create(model_, HistoryTypes::get().item, model_.getModelObject());
    item.set(HistoryTypes::get().name, name);
    item.set(HistoryTypes::get().value, value);
    t.commit();
    return *this;
}

ClassObject ModelBuilder::find(const std::string& name) const {
    for (const auto& child : model_.getModelObject().getContained()) {
        if (child.get<std::string>(HistoryTypes::get().name) == name)
            return ClassObject(child);
    }
    return {};
}

namespace {

PARR::Holder<DOVE2::Command> oneAction(const Model& model, const std::string& label,
                                       DOVE2::QUILLCommand::Action action) {
    auto* command = new DOVE2::QUILLCommand(model, label);
    command->addAction(std::move(action));
    return PARR::Holder<DOVE2::Command>(command);
}

}  // namespace

PARR::Holder<DOVE2::Command> setValueCommand(const Model& model, const ImmutableClassObject& item,
                                             int value, const std::string& label) {
    return oneAction(model, label, [item, value](const Model& m, PARR::ErrorHolder&) {
        ClassObject(item).asDeviant(m).set(HistoryTypes::get().value, value);
    });
}

PARR::Holder<DOVE2::Command> addItemCommand(const Model& model, const std::string& name,
                                            int value) {
    return oneAction(model, "Add Item", [name, value](const Model& m, PARR::ErrorHolder&) {
        ClassObject item = ClassObject::create(m, HistoryTypes::get().item, m.getModelObject());
        item.set(HistoryTypes::get().name, name);
        item.set(HistoryTypes::get().value, value);
    });
}

PARR::Holder<DOVE2::Command> removeItemCommand(const Model& model,
                                               const ImmutableClassObject& item) {
    return oneAction(model, "Remove Item", [item](const Model& m, PARR::ErrorHolder&) {
        ClassObject(item).asDeviant(m).destroy();
    });
}

PARR::Holder<DOVE2::Command> renameCommand(const Model& model, const ImmutableClassObject& item,
                                           const std::string& name) {
    return oneAction(model, "Rename Item", [item, name](const Model& m, PARR::ErrorHolder&) {
        ClassObject(item).asDeviant(m).set(HistoryTypes::get().name, name);
    });
}

PARR::Holder<DOVE2::Command> failingCommand(const Model& model, const ImmutableClassObject& item) {
    return oneAction(model, "Fail", [item](const Model& m, PARR::ErrorHolder& errors) {
        ClassObject(item).asDeviant(m).set(HistoryTypes::get().value, -1);
        errors.setError("Test_Refused", 7);
    });
}

PARR::Holder<DOVE2::Command> throwingCommand(const Model& model, const ImmutableClassObject& item) {
    return oneAction(model, "Throw", [item](const Model& m, PARR::ErrorHolder&) {
        ClassObject(item).asDeviant(m).set(HistoryTypes::get().value, -2);
        ClassObject::create(m, HistoryTypes::get().item, m.getModelObject());
        throw std::runtime_error("broken");
    });
}

PARR::Holder<DOVE2::Command> idleCommand(const Model& model, const std::string& label) {
    return oneAction(model, label, [](const Model&, PARR::ErrorHolder&) {});
}

void ReportCounter::onCommit(const ReportOfChanges<>& report) {
    ++reports;
    lastModified.clear();
    lastCreated.clear();
    lastDeleted.clear();
    for (const auto& o : report.getModified())
        lastModified.push_back(o.getObjectId());
    for (const auto& o : report.getCreated())
        lastCreated.push_back(o.getObjectId());
    for (const auto& o : report.getDeleted())
        lastDeleted.push_back(o.getObjectId());
}

}  // namespace Dove2Test
