#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include "TestModel.h"

using namespace QUILL;
using namespace QuillTest;

namespace {

struct Operation {
    unsigned kind;    // create, modify, move, delete, end transaction, fail transaction
    unsigned target;  // picks a live object
    unsigned other;   // picks a container
    int value;
};

// Every live object below the model object, in tree order, the model object first.
std::vector<ClassObject> liveObjects(const Model& model) {
    std::vector<ClassObject> all{model.getModelObject()};
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (const auto& c : all[i].getContained())
            all.emplace_back(c);
    }
    return all;
}

// Applies one edit. Edits the repository refuses (a cycle) throw before changing anything.
void applyEdit(const Model& model, const Operation& op) {
    const auto& t = TestTypes::get();
    const auto live = liveObjects(model);
    const ClassObject& target = live[op.target % live.size()];
    const ClassObject& other = live[op.other % live.size()];
    const bool isModelObject = target == model.getModelObject();
    switch (op.kind % 4) {
        case 0:
            ClassObject::create(model, op.value % 2 ? t.special : t.node, other)
                .set(t.name, "n" + std::to_string(op.value));
            break;
        case 1:
            if (isModelObject)
                break;
            target.set(t.weight, static_cast<double>(op.value));
            target.set(t.position, PARR::GLPoint<double>(op.value, -op.value));
            target.set(t.link, ObjectRef{other.getObjectId()});
            break;
        case 2:
            if (isModelObject)
                break;
            try {
                target.setContainer(other);
            } catch (const Exception&) {
            }
            break;
        case 3:
            if (!isModelObject)
                target.destroy();
            break;
    }
}

}  // namespace

RC_GTEST_PROP(UndoProperty, UndoOfAllTransactionsRestoresTheStartAndRedoRestoresTheEnd,
              (const std::vector<std::tuple<unsigned, unsigned, unsigned, int>>& raw)) {
    Model model = Model::create(TestTypes::get().model);
    for (int i = 0; i < 3; ++i)
        addNode(model, "seed" + std::to_string(i));
    const auto initial = dump(model);

    std::vector<std::shared_ptr<const ChangeSet>> history;
    auto tx = std::make_unique<Transaction>(model);
    for (const auto& [kind, target, other, value] : raw) {
        const Operation op{kind % 6, target, other, value};
        if (op.kind == 4 || op.kind == 5) {
            if (op.kind == 4) {
                history.push_back(tx->commit());
            }  // kind 5: dropped without commit, rolled back
            tx = std::make_unique<Transaction>(model);
            continue;
        }
        applyEdit(model, op);
    }
    history.push_back(tx->commit());
    tx.reset();
    const auto final = dump(model);

    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        Transaction undo(model);
        model.applyChanges(**it, Deviant::Direction::Backward);
        undo.commit();
    }
    RC_ASSERT(dump(model) == initial);

    for (const auto& changes : history) {
        Transaction redo(model);
        model.applyChanges(*changes, Deviant::Direction::Forward);
        redo.commit();
    }
    RC_ASSERT(dump(model) == final);
    model.close();
}

RC_GTEST_PROP(UndoProperty, EditsInAWorkingCopyNeverReachTheRootAndSyncRestoresIt,
              (const std::vector<std::tuple<unsigned, unsigned, unsigned, int>>& raw)) {
    Model root = Model::create(TestTypes::get().model);
    for (int i = 0; i < 3; ++i)
        addNode(root, "seed" + std::to_string(i));
    Model copy = root.createWorkingCopy();
    const auto initial = dump(root);

    {
        Transaction tx(copy);
        for (const auto& [kind, target, other, value] : raw) {
            applyEdit(copy, {kind % 4, target, other, value});
        }
        tx.commit();
    }
    RC_ASSERT(dump(root) == initial);
    copy.syncFromRoot();
    RC_ASSERT(copy.getDeviant().ownEntryCount() == 0u);
    std::vector<ObjectId> seenInCopy, seenInRoot;
    for (const auto& o : liveObjects(copy))
        seenInCopy.push_back(o.getObjectId());
    for (const auto& o : liveObjects(root))
        seenInRoot.push_back(o.getObjectId());
    RC_ASSERT(seenInCopy == seenInRoot);
    root.close();
}
