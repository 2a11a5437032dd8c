// The replacements of a loaded library's ExitProcess and TerminateProcess imports.
#pragma once

#include <windows.h>

namespace StandinHost {

BOOL WINAPI HookedTerminateProcess(HANDLE process, UINT exitCode) noexcept;
void WINAPI HookedExitProcess(UINT exitCode) noexcept;

}  // namespace StandinHost
