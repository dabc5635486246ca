#pragma once

// Initialises the diagram framework once per process: registers the framework's component
// factories (the framework's own editor "DOVE2:Editor", the model tree, the explorer bar)
// with HARBOR::StudioComponentFactoryManager. Later calls do nothing. User-interface thread.
void initialize_dove2();
