#pragma once

namespace DOVE2 {

// Registers the component factories of the model explorer (TreeComponent) and of the
// explorer bar (ExplorerBarComponent) with HARBOR::StudioComponentFactoryManager, each under
// its component's static type name. A type name that has a factory already is left as it is,
// so calling this again does nothing. True when both type names have a factory afterwards.
// User-interface thread.
bool registerExplorerComponents();

}  // namespace DOVE2
