// Where the library runs: the process-wide record that Initialize and LateInit fill in.
// Written on the main thread while the library starts; read anywhere afterwards.
#pragma once

#include <cstdint>

namespace Vantor {

enum class RunContext : std::int32_t {
    NotSet = -1,  // before Initialize
    BuiltApp = 0,
    Quiet = 1,
    Editor = 2,
    TestRun = 3,
};

struct Environment {
    std::uint32_t mainThreadId = 0;
    RunContext runContext = RunContext::NotSet;
    void* ownerWindow = nullptr;  // parent of every message box
    std::uint32_t hostVersion = 0;
    bool isFusion25 = false;
    bool underWine = false;
    bool extensionPack = false;  // the host's 2.5+ extension pack is present
    wchar_t languageCode[3] = L"EN";

    // Kept by the CPU and OS probes for a debugging session; nothing decides on them.
    std::uint16_t processMachine = 0;
    std::uint16_t nativeMachine = 0;
    bool isWow64 = false;
    std::uint32_t osMajor = 0;
    std::uint32_t osMinor = 0;
    std::uint32_t osBuild = 0;
};

Environment& ProcessEnvironment();

}  // namespace Vantor
