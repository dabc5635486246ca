#pragma once

// Initialises the block-diagram data model once per process: defines the model's metaclasses
// and loads the engine's block library. Later calls do nothing. User-interface thread.
void initialize_vt_datamodel();
