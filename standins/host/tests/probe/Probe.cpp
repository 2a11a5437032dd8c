// A stand-in extension library for the stand-in host's own tests: each export does one thing an
// extension does through its imports or through the host's mV record.
#include "sdk/host/HostRecords.h"

#include <windows.h>

#include <string>
#include <thread>

extern "C" int ProbeCompanionAnswer();  // from the companion library beside the probe, by ordinal

#define PROBE_EXPORT extern "C" __declspec(dllexport)

PROBE_EXPORT int __stdcall ProbeShowBoxW(HWND owner, const wchar_t* title, const wchar_t* text, UINT style) {
    return MessageBoxW(owner, text, title, style);
}

PROBE_EXPORT int __stdcall ProbeShowBoxA(HWND owner, const char* title, const char* text, UINT style) {
    return MessageBoxA(owner, text, title, style);
}

PROBE_EXPORT void __stdcall ProbeLogW(const wchar_t* text) { OutputDebugStringW(text); }

PROBE_EXPORT void __stdcall ProbeLogA(const char* text) { OutputDebugStringA(text); }

// Logs "worker N" from a thread of its own while logging "main N" from the caller's, N from 0 to count - 1.
PROBE_EXPORT void __stdcall ProbeLogFromTwoThreads(int count) {
    auto logLines = [count](const char* prefix) {
        for (int i = 0; i < count; ++i) OutputDebugStringA((prefix + std::to_string(i)).c_str());
    };
    std::thread worker(logLines, "worker ");
    logLines("main ");
    worker.join();
}

PROBE_EXPORT BOOL __stdcall ProbeSeesDebugger() { return IsDebuggerPresent(); }

PROBE_EXPORT std::uint32_t __stdcall ProbeHostVersion(const Vantor::Host::mV* mv) { return mv->getVersion(); }

PROBE_EXPORT std::uint32_t __stdcall ProbeHostCall(const Vantor::Host::mV* mv, void* edPtr, std::int32_t code,
                                                   std::intptr_t arg1, std::intptr_t arg2, std::intptr_t arg3) {
    return mv->callFunction(edPtr, code, arg1, arg2, arg3);
}

PROBE_EXPORT int __stdcall ProbeCompanionValue() { return ProbeCompanionAnswer(); }

PROBE_EXPORT void __stdcall ProbeEndProcess() { TerminateProcess(GetCurrentProcess(), 3); }
