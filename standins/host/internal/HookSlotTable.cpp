#include "standins/host/internal/HookSlotTable.h"

#include "standins/host/ExtensionLibraryError.h"

#include <string>

namespace StandinHost {

std::size_t HookSlotTable::Acquire(HMODULE module, const std::function<void(std::size_t slot)>& install) {
    std::lock_guard lock(mutex_);
    std::size_t freeSlot = kCapacity;
    for (std::size_t slot = 0; slot < kCapacity; ++slot) {
        if (shares_[slot] != 0 && modules_[slot].load() == module) {
            ++shares_[slot];
            return slot;
        }
        if (shares_[slot] == 0 && freeSlot == kCapacity) freeSlot = slot;
    }
    if (freeSlot == kCapacity) {
        throw ExtensionLibraryError("more than " + std::to_string(kCapacity) +
                                    " extension libraries are loaded at once");
    }
    // Published before the hooks go in, so that a call arriving mid-install is still attributed.
    modules_[freeSlot].store(module);
    try {
        install(freeSlot);
    } catch (...) {
        modules_[freeSlot].store(nullptr);
        throw;
    }
    shares_[freeSlot] = 1;
    return freeSlot;
}

void HookSlotTable::Release(std::size_t slot) noexcept {
    std::lock_guard lock(mutex_);
    if (slot >= kCapacity || shares_[slot] == 0) return;
    if (--shares_[slot] == 0) modules_[slot].store(nullptr);
}

HMODULE HookSlotTable::ModuleOf(std::size_t slot) const noexcept {
    return slot < kCapacity ? modules_[slot].load() : nullptr;
}

HookSlotTable& HookSlots() {
    static HookSlotTable* const table = new HookSlotTable();
    return *table;
}

}  // namespace StandinHost
