#include "sdk/diagnostics/InvalidParameter.h"

#include <cstdlib>

#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/Log.h"

extern "C" void __cdecl Vantor_Invalid_Parameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned int,
                                                 std::uintptr_t) {
    Vantor::LogLine(Vantor::kLogWarning, L"CRT invalid parameter crash - since it's not Debug, no trace information.");
    Vantor::ErrorBox(L"Invalid parameter crash!",
                     L"Intercepted a crash from invalid parameter in a CRT function.\n"
                     L"If you're a Fusion extension developer, attach a debugger now for information.\n"
                     L"Otherwise, the program will attempt to continue.");
}

namespace Vantor {

void InstallInvalidParameterHandler() {
    if (ProcessEnvironment().runContext == RunContext::Quiet) return;
    if (_get_invalid_parameter_handler() == nullptr) _set_invalid_parameter_handler(&Vantor_Invalid_Parameter);
}

}  // namespace Vantor
