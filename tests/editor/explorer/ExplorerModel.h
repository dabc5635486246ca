#pragma once

#include <string>

#include "support/BlockDiagramBuilder.h"

namespace TestSupport {

// The model the explorer tests browse, named `name`:
//
//   name: gain g (with ports), subsystem a, masked subsystem m, configurable subsystem c,
//         a line from g to a, an annotation
//   name/a: subsystem b, gain k
//   name/a/b: empty
struct ExplorerModel {
    explicit ExplorerModel(const std::string& name) : builder(name) {
        g = builder.block("g", {0, 0, 40, 30});
        a = builder.subsystem("a", {100, 0, 40, 30});
        m = builder.subsystem("m", {200, 0, 40, 30});
        c = builder.subsystem("c", {300, 0, 40, 30});
        builder.edit([&] {
            m.setMasked(true);
            c.setType("ConfigurableSubsystem");
            return 0;
        });
        builder.connect(builder.outPort(g), builder.inPort(a));
        builder.annotation("note", {0, 100, 60, 20});
        b = builder.edit([&] {
            const VTQUILL::Diagram inner = a.getSubsystemDiagram();
            inner.addBlock("Gain", "k");
            const VTQUILL::Block made = inner.addBlock("Subsystem", "b");
            made.addSubsystemDiagram();
            return made;
        });
    }

    BlockDiagramBuilder builder;
    VTQUILL::Block g, a, m, c, b;
};

}  // namespace TestSupport
