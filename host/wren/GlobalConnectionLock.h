#pragma once

#include <shared_mutex>

namespace WREN {

// The process-wide connection lock. Code that makes connections on host signals holds it for
// writing while it connects (std::unique_lock on the returned mutex), and code that needs the
// set of connections to stay unchanged for a while holds it for reading.
//
// The signal library itself never takes this lock: Emitter::connect, Connection::disconnect,
// Listener::disconnect and delivery use their own internal locks, so connecting or
// disconnecting while holding the lock (in either mode) cannot deadlock inside the library.
// Receivers must not try to take it for writing when the thread that delivers to them already
// holds it; the mutex is not recursive.
//
// The mutex exists once per process and lives until the process ends.
std::shared_mutex& GetGlobalConnectionLock();

}  // namespace WREN
