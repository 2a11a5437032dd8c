// Keeps one loaded extension library's message boxes, debugger output and debugger check pointed
// at the recorder for as long as it lives.
#pragma once

#include <windows.h>

#include <cstddef>

namespace StandinHost {

class RecordingHooks {
public:
    RecordingHooks() noexcept = default;  // hooks nothing
    // Rewrites the module's imports of MessageBoxW/A, OutputDebugStringW/A, IsDebuggerPresent,
    // TerminateProcess and ExitProcess (see ProcessEnd.h),
    // the first time the module is hooked. Throws ExtensionLibraryError.
    explicit RecordingHooks(HMODULE module);
    ~RecordingHooks();

    RecordingHooks(RecordingHooks&& other) noexcept;
    RecordingHooks& operator=(RecordingHooks&& other) noexcept;
    RecordingHooks(const RecordingHooks&) = delete;
    RecordingHooks& operator=(const RecordingHooks&) = delete;

private:
    static constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);
    std::size_t slot_ = kNoSlot;
};

}  // namespace StandinHost
