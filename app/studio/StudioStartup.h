#pragma once

#include <string>
#include <vector>

namespace HARBOR {
class Studio;
}

namespace VantorStudio {

// What the studio program sets up: once per process before its first studio starts, and for
// each studio it starts.
class StudioStartup {
public:
    // A component a studio starts with: the type name its factory is registered under and
    // the component's name in the studio.
    struct Component {
        std::string typeName;
        std::string name;
    };

    StudioStartup() = delete;

    // In this order: the block-diagram data model (initialize_vt_datamodel), the diagram
    // framework (initialize_dove2), the model explorer's component factories, the studio
    // window's own component factories (the property browser), and the editor module
    // (ModuleLoader::loadOnce: a module that cannot be loaded is a warning, not a failure).
    // Later calls do nothing. User-interface thread.
    static void initializeOnce();

    // Starts `studio` (its application set already): makes `components` in order, initializes
    // every component of the studio, then starts the studio's application. A step that fails
    // is told to the user (DOVE2::warnOfFailure: stderr and the status bar) with its own
    // error, and the others still run, so no failure hides another. Returns the number of
    // steps that failed.
    static int startStudio(HARBOR::Studio& studio, const std::vector<Component>& components);
};

}  // namespace VantorStudio
