#pragma once

namespace VantorStudio {

// What the studio program sets up once per process before its first studio starts, in this
// order: the block-diagram data model (initialize_vt_datamodel), the diagram framework
// (initialize_dove2), the model explorer's component factories, the studio window's own
// component factories (the property browser), and the editor module (ModuleLoader::loadOnce:
// a module that cannot be loaded is a warning, not a failure). Later calls do nothing.
// User-interface thread.
class StudioStartup {
public:
    StudioStartup() = delete;

    static void initializeOnce();
};

}  // namespace VantorStudio
