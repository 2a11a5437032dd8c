// The probe library as the tests load it, with typed calls to its exports.
#pragma once

#include "sdk/host/HostRecords.h"
#include "standins/host/ExtensionLibrary.h"

#include <windows.h>

#include <cstdint>
#include <filesystem>

namespace StandinHostTests {

// The folder of the test executable.
std::filesystem::path TestFolder();

class ProbeLibrary {
public:
    // standin_probe/standin_probe.dll beside the test executable; its companion sits beside it.
    static std::filesystem::path Path();
    static std::filesystem::path CompanionPath();

    ProbeLibrary();

    const StandinHost::ExtensionLibrary& Library() const { return library_; }
    HMODULE Module() const { return library_.Module(); }

    int ShowBoxW(HWND owner, const wchar_t* title, const wchar_t* text, UINT style) const;
    int ShowBoxA(HWND owner, const char* title, const char* text, UINT style) const;
    void LogW(const wchar_t* text) const;
    void LogA(const char* text) const;
    // "worker N" from a thread of the probe's own and "main N" from the caller's, N < count.
    void LogFromTwoThreads(int count) const;
    bool SeesDebugger() const;
    std::uint32_t HostVersion(const Vantor::Host::mV* mv) const;
    std::uint32_t HostCall(const Vantor::Host::mV* mv, void* edPtr, std::int32_t code, std::intptr_t arg1,
                           std::intptr_t arg2, std::intptr_t arg3) const;
    // The companion's answer, 42, through the probe's import of it by ordinal.
    int CompanionValue() const;
    [[noreturn]] void EndProcess() const;

private:
    StandinHost::ExtensionLibrary library_;
};

}  // namespace StandinHostTests
