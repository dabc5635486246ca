// libFuzzer target: any bytes as the text of a model file.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "ModelFileFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VantorFuzz::abortIfBroken(
        VantorFuzz::ModelFileFuzzEntry::run({reinterpret_cast<const char*>(data), size}));
    return 0;
}
