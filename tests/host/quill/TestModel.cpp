#include "TestModel.h"

namespace QuillTest {

using namespace QUILL;

const TestTypes& TestTypes::get() {
    static const TestTypes types = [] {
        auto& registry = TypeRegistry::instance();
        Type& model = registry.define("QuillTest.Model");
        Type& node = registry.define("QuillTest.Node");
        const Attribute& name = node.addAttribute("name", ValueKind::String);
        const Attribute& weight = node.addAttribute("weight", ValueKind::Double, 1.0);
        const Attribute& position = node.addAttribute("position", ValueKind::Point);
        const Attribute& route = node.addAttribute("route", ValueKind::Path);
        const Attribute& link = node.addAttribute("link", ValueKind::Reference);
        Type& special = registry.define("QuillTest.Special", &node);
        const Attribute& extra = special.addAttribute("extra", ValueKind::Int);
        return TestTypes{model, node, special, name, weight, position, route, link, extra};
    }();
    return types;
}

std::map<ObjectId, ObjectState> dump(const Model& model) {
    std::map<ObjectId, ObjectState> all;
    model.getDeviant().forEachOwnEntry([&](ObjectId id, const ObjectState* state) {
        if (state)
            all.emplace(id, *state);
    });
    return all;
}

ClassObject addNode(const Model& model, const std::string& name,
                    const ImmutableClassObject& container) {
    Transaction t(model);
    const ImmutableClassObject parent = container.isValid() ? container : model.getModelObject();
    ClassObject node = ClassObject::create(model, TestTypes::get().node, parent);
    node.set(TestTypes::get().name, name);
    t.commit();
    return node;
}

std::vector<std::string> childNames(const ImmutableClassObject& container) {
    std::vector<std::string> names;
    for (const auto& child : container.getContained()) {
        names.push_back(child.get<std::string>(TestTypes::get().name));
    }
    return names;
}

void RecordingListener::onCommit(const ReportOfChanges<>& report) {
    reports.push_back({report.getCreated(), report.getModified(), report.getDeleted(),
                       report.getChangeSetPtr(), report.getModel()});
}

void RecordingListener::onDeviantDestroyed(Deviant& instance) {
    destroyed.push_back(&instance);
}

}  // namespace QuillTest
