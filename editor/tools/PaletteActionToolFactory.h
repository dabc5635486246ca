#pragma once

#include <functional>

#include "application/Export.h"
#include "tools/DummyToolFactory.h"

namespace Vantor {

// The tool factory of a palette button that does something at once: pressing the button
// makes the "DoNothing" tool current (as DummyToolFactory does) and then runs the button's
// action (zoom, align, show colours...).
//
// The editor is not owned; it must outlive the factory. The action is held by value; it runs
// on the user-interface thread, once per press.
class VANTOR_EXPORT PaletteActionToolFactory : public DummyToolFactory {
public:
    PaletteActionToolFactory(DOVE2::Editor* editor, std::function<void()> action);
    ~PaletteActionToolFactory() override;

    // DummyToolFactory::createTool, then the action (also when the action is empty: nothing
    // more happens). Returns the tool.
    ROOK2::Tool* createTool() override;

private:
    std::function<void()> action_;
};

}  // namespace Vantor
