#include "vtquill/BackendQueryStudio.h"

namespace VTQUILL {

namespace {

VTDove::QueryPlatformStudio*& installed() {
    static VTDove::QueryPlatformStudio* studio = nullptr;
    return studio;
}

}  // namespace

void setBackendQueryStudio(VTDove::QueryPlatformStudio* studio) {
    installed() = studio;
}

VTDove::QueryPlatformStudio* getBackendQueryStudio() {
    return installed();
}

}  // namespace VTQUILL
