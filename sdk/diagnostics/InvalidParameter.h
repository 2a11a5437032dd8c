// The C runtime's invalid-parameter hook: report, then let the runtime function return its error.
#pragma once

#include <cstdint>

// Exported under this name; the C runtime calls it instead of ending the process.
extern "C" __declspec(dllexport) void __cdecl Vantor_Invalid_Parameter(const wchar_t* expression,
                                                                      const wchar_t* function,
                                                                      const wchar_t* file, unsigned int line,
                                                                      std::uintptr_t reserved);

namespace Vantor {

// Installs Vantor_Invalid_Parameter unless the run context is Quiet or a handler is installed.
void InstallInvalidParameterHandler();

}  // namespace Vantor
