#include <atomic>

// The module's exported entry point. The studio calls it once after loading the module; a
// second call does nothing. Registration of the block-diagram domain comes with the module.
extern "C" __attribute__((visibility("default"))) void initialize_vt_editor() {
    static std::atomic<bool> initialized{false};
    if (initialized.exchange(true))
        return;
}
