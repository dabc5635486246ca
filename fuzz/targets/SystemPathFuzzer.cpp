// libFuzzer target: any bytes as a system path.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "SystemPathFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VantorFuzz::abortIfBroken(
        VantorFuzz::SystemPathFuzzEntry::run({reinterpret_cast<const char*>(data), size}));
    return 0;
}
