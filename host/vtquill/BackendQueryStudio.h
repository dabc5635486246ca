#pragma once

namespace VTDove {
class QueryPlatformStudio;
}

namespace VTQUILL {

// Installs the studio's query object, through which the data model finds, opens and closes
// editors by system path. Not owned: the installer keeps it alive and installs null (or
// another one) before destroying it.
void setBackendQueryStudio(VTDove::QueryPlatformStudio* studio);
// The installed query object; null when none is installed.
VTDove::QueryPlatformStudio* getBackendQueryStudio();

}  // namespace VTQUILL
