// Which loaded extension library each set of recording hooks speaks for.
//
// The hooks replace plain Windows functions, so they get no context argument; instead each slot
// has its own copy of the hook functions, and a library's imports point at the copy of its slot.
// That names the calling library exactly, whatever the call path inside it.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>

namespace StandinHost {

class HookSlotTable {
public:
    static constexpr std::size_t kCapacity = 16;

    // The module's slot, shared when the module is already hooked (the same library loaded again).
    // A module seen first claims a free slot and `install` runs on it under the table's lock; if
    // `install` throws, the slot is freed again. Throws ExtensionLibraryError when no slot is free.
    std::size_t Acquire(HMODULE module, const std::function<void(std::size_t slot)>& install);
    // Gives back one share; the last share frees the slot.
    void Release(std::size_t slot) noexcept;
    // Lock-free, for the hooks themselves: null for a free slot.
    HMODULE ModuleOf(std::size_t slot) const noexcept;

private:
    std::mutex mutex_;
    std::array<std::atomic<HMODULE>, kCapacity> modules_{};
    std::array<std::size_t, kCapacity> shares_{};
};

// The process-wide table; never destroyed, as hooks may run while the process ends.
HookSlotTable& HookSlots();

}  // namespace StandinHost
