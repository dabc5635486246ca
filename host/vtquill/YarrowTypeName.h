#pragma once

#include <string>

#include "quill/ImmutableClassObject.h"

namespace VTQUILL {

// The scripting type name of an object: its metaclass's qualified name ("VTQUILL.Block",
// "VTQUILL.Diagram", ...); "QUILL.ImmutableClassObject" for an empty or stale handle.
std::string getFullyQualifiedYarrowTypeName(const QUILL::ImmutableClassObject& object);

}  // namespace VTQUILL
