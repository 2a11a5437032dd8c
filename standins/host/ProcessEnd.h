// Catches a loaded extension library ending the process, so that a test can watch its fatal
// path in-process: no child process, no lost state but the library's own frames.
#pragma once

#include <functional>
#include <optional>

namespace StandinHost {

// Runs body on this thread. When a loaded extension library calls ExitProcess, or
// TerminateProcess on its own process, inside it, the call does not return: control comes back
// here at once, skipping the frames in between without unwinding them (what they own leaks, as
// it would in the ended process), and the exit code asked for is the result. Nothing when body
// returned normally. Calls may nest; outside any, the library ends the process as it asked.
std::optional<unsigned> CatchProcessEnd(const std::function<void()>& body);

}  // namespace StandinHost
