// The fatal path: log, show, and end the process at once without clean-up.
#pragma once

namespace Vantor {

// The exit code of a process ended by FatalError, for whoever runs the host.
inline constexpr unsigned kFatalErrorExitCode = 3;

// Formats into 2048 characters, writes a level-7 log line, shows an error box titled
// "Fatal error", then terminates the process with kFatalErrorExitCode.
[[noreturn]] void FatalError(const wchar_t* format, ...);

// Returns on the thread that Initialize recorded; anywhere else FatalError with
// "Use of <functionName> outside of main thread is forbidden". functionName is UTF-8.
void RequireMainThread(const char* functionName);

}  // namespace Vantor
