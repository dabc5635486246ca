#pragma once

// Marks a class or function of the module as part of its public interface. The module is
// built with hidden visibility, so everything the studio or the tests call must carry it.
#define VANTOR_EXPORT __attribute__((visibility("default")))
