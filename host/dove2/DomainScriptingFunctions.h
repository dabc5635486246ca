#pragma once

#include <string>

#include "parr/Holder.h"

namespace HARBOR {
class AbstractDomainInterface;
class Studio;
}  // namespace HARBOR

namespace DOVE2 {

// The scripting functions through which scripts reach a domain's interface in a studio: the
// functions a domain names in its menu interface (HARBOR::Util::MenuInterface).
//
//   vtprivate.vtGetVantorInterface([studio])  the interface of the registered domain whose
//                                             menu interface names this function;
//   vtprivate.vtGetCommonInterface([studio])  the studio's default (common) domain interface,
//                                             from its application, when its domain names
//                                             this function.
//
// The optional argument is the studio's number, counted from 1 in the order the studios were
// made; without it, the studio made last. Each returns one value: the new interface wrapped
// under its scripting type name (getFullyQualifiedYarrowTypeName, "VTQUILL.VTDomain"), held
// by the value. A bad studio number, no studio, or no domain answering the function raise an
// error naming the cause. Registered once by initialize_dove2.
void registerDomainScriptingFunctions();

// A new interface of the domain answering `package`.`function` for `studio`, held by the
// caller alone; empty when no registered domain and not the studio's default domain names it.
PARR::Holder<HARBOR::AbstractDomainInterface> interfaceNamedBy(const std::string& package,
                                                               const std::string& function,
                                                               HARBOR::Studio& studio);

}  // namespace DOVE2
