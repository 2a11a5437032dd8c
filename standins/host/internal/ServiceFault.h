// The end of a host service that cannot go on: an exception must not unwind through the
// extension's frames, so the fault is written to stderr and the process aborts.
#pragma once

#include <string>

namespace StandinHost {

// Writes "[host] <why>" as one line to stderr, then aborts.
[[noreturn]] void ServiceFault(const std::string& why) noexcept;

}  // namespace StandinHost
