#pragma once

#include "parr/IntType.h"
#include "parr/MimeRegistry.h"
#include "parr/StringType.h"

namespace HARBORTest {

// Registers the MIME keys the clipboard tests use: "harbor-test-int" (int) and
// "harbor-test-text" (string). Registering again is harmless.
inline void registerTestMimeKeys() {
    PARR::MimeRegistry::instance().registerMimeType("harbor-test-int", PARR::IntType::Create());
    PARR::MimeRegistry::instance().registerMimeType("harbor-test-text", PARR::StringType::Create());
}

}  // namespace HARBORTest
