#pragma once

#include <gtest/gtest.h>

#include <string>

#include "dove2/Editor.h"
#include "dove2/UndoHistory.h"
#include "support/BlockDiagramBuilder.h"
#include "support/QtTestApplication.h"

namespace ToolTest {

// The diagram most tool tests start from: a source block at (0, 0) and a sink block at
// (200, 100), both 40 x 30. The source's output sits in the middle of its right side, as the
// engine lays ports out (route end (45, 12)); the sink's input sits inside the middle of its
// left side (route end (185, 112)). Glyphs may draw text, so the Qt application exists first.
class SourceAndSinkTest : public ::testing::Test {
protected:
    // The undo text the model's history shows next ("Undo Move").
    std::string undoText() const { return DOVE2::UndoHistory::forModel(b.model())->undoText(); }
    // A one-segment signal line from the output to the input, routed right to x = 120, down to
    // y = 112, right.
    VTQUILL::Segment wireThem() {
        return b.edit([&] {
            VTQUILL::Segment s = b.diagram().addLine(VTQUILL::kSignalLine).addSegment();
            s.setSrcElement(out);
            s.setDstElement(in);
            s.setPath({{120, 12}, {120, 112}});
            return s;
        });
    }
    // `handle` as `editor`'s view instance shows it (with the gesture's preview).
    template <class Handle>
    static Handle inView(const DOVE2::Editor& editor, const Handle& handle) {
        return Handle(handle.asDeviant(editor.getViewInstance()));
    }

    QApplication& app = TestSupport::qtApplication();
    TestSupport::BlockDiagramBuilder b;
    VTQUILL::Block source = b.block("Source", {0, 0, 40, 30});
    VTQUILL::Block sink = b.block("Sink", {200, 100, 40, 30});
    VTQUILL::Port out = b.port(source, VTQUILL::kOutPort, {40, 12}, 0);
    VTQUILL::Port in = b.inPort(sink);
};

}  // namespace ToolTest
