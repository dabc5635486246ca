#pragma once

#include <string>

#include "dove2/QUILLCommand.h"
#include "parr/Holder.h"
#include "quill/Transaction.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/VTQuill.h"

namespace Dove2Test {

// A block-diagram model for editor tests: model "m" (or another name) whose top diagram holds the
// blocks "A" at (10, 10) and "B" at (100, 10), and the subsystem "Sub" at (200, 10) with an inner
// diagram holding block "C". Built in one committed transaction; closed when it goes.
struct EditorTestModel {
    explicit EditorTestModel(const std::string& name = "m") {
        initialize_vt_datamodel();
        model = VTQUILL::Factory::createNewModel(name);
        top = model.getDiagrams().front();
        QUILL::Transaction tx(model);
        a = block(top, "A", {10, 10});
        b = block(top, "B", {100, 10});
        sub = block(top, "Sub", {200, 10});
        inner = sub.addSubsystemDiagram();
        c = block(inner, "C", {20, 20});
        tx.commit();
    }
    ~EditorTestModel() {
        if (model.isValid())
            model.getDeviant().close();
    }
    EditorTestModel(const EditorTestModel&) = delete;
    EditorTestModel& operator=(const EditorTestModel&) = delete;

    static VTQUILL::Block block(const VTQUILL::Diagram& diagram, const std::string& name,
                                PARR::GLPoint<double> at) {
        VTQUILL::Block block = diagram.addBlock("Gain", name);
        block.setPosition(at);
        block.setSize({30, 30});
        return block;
    }

    // A command on the root moving `element` to `to`.
    PARR::Holder<DOVE2::Command> moveCommand(const QUILL::ImmutableClassObject& element,
                                             PARR::GLPoint<double> to) const {
        PARR::Holder<DOVE2::QUILLCommand> command(new DOVE2::QUILLCommand(model, "Move"));
        command->addAction([element, to](const QUILL::Model& m, PARR::ErrorHolder&) {
            DOVE2::DiagramElement(element.asDeviant(m)).setPosition(to);
        });
        return command;
    }

    VTQUILL::Model model;
    VTQUILL::Diagram top;
    VTQUILL::Block a;
    VTQUILL::Block b;
    VTQUILL::Block sub;
    VTQUILL::Diagram inner;
    VTQUILL::Block c;
};

}  // namespace Dove2Test
