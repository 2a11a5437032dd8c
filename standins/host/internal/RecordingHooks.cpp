#include "standins/host/internal/RecordingHooks.h"

#include "standins/host/Recorder.h"
#include "standins/host/internal/HookSlotTable.h"
#include "standins/host/internal/ImportTable.h"
#include "standins/host/internal/ProcessEndHooks.h"
#include "standins/host/internal/TextConversion.h"

#include <array>
#include <string>
#include <utility>

namespace StandinHost {
namespace {

std::wstring WideOrEmpty(const wchar_t* text) { return text != nullptr ? std::wstring(text) : std::wstring(); }

std::wstring AnsiOrEmpty(const char* text) { return text != nullptr ? AnsiToUtf16(text) : std::wstring(); }

// One copy per slot, so that each knows which library called it. The hooks are noexcept because
// an exception must not unwind through the extension's frames: std::terminate names it instead.
template <std::size_t Slot>
struct SlotHooks {
    static int WINAPI MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* title, UINT style) noexcept {
        return Recorder::Instance().RecordBox(HookSlots().ModuleOf(Slot), owner, WideOrEmpty(title), WideOrEmpty(text),
                                              style);
    }

    static int WINAPI MessageBoxA(HWND owner, const char* text, const char* title, UINT style) noexcept {
        return Recorder::Instance().RecordBox(HookSlots().ModuleOf(Slot), owner, AnsiOrEmpty(title), AnsiOrEmpty(text),
                                              style);
    }

    static void WINAPI OutputDebugStringW(const wchar_t* text) noexcept {
        if (text != nullptr) Recorder::Instance().RecordLog(HookSlots().ModuleOf(Slot), text);
    }

    // Extensions write UTF-8 through the A variant.
    static void WINAPI OutputDebugStringA(const char* text) noexcept {
        if (text != nullptr) Recorder::Instance().RecordLog(HookSlots().ModuleOf(Slot), Utf8ToUtf16(text));
    }
};

// No debugger is ever attached, so an extension never breaks into one.
BOOL WINAPI NoDebuggerPresent() noexcept { return FALSE; }

using Replacements = std::array<ImportReplacement, 7>;

template <std::size_t Slot>
Replacements ReplacementsOf() {
    using Hooks = SlotHooks<Slot>;
    return {{
        {"user32.dll", "MessageBoxW", reinterpret_cast<const void*>(&Hooks::MessageBoxW)},
        {"user32.dll", "MessageBoxA", reinterpret_cast<const void*>(&Hooks::MessageBoxA)},
        {"kernel32.dll", "OutputDebugStringW", reinterpret_cast<const void*>(&Hooks::OutputDebugStringW)},
        {"kernel32.dll", "OutputDebugStringA", reinterpret_cast<const void*>(&Hooks::OutputDebugStringA)},
        {"kernel32.dll", "IsDebuggerPresent", reinterpret_cast<const void*>(&NoDebuggerPresent)},
        {"kernel32.dll", "TerminateProcess", reinterpret_cast<const void*>(&HookedTerminateProcess)},
        {"kernel32.dll", "ExitProcess", reinterpret_cast<const void*>(&HookedExitProcess)},
    }};
}

template <std::size_t... Slots>
std::array<Replacements, sizeof...(Slots)> AllReplacements(std::index_sequence<Slots...>) {
    return {ReplacementsOf<Slots>()...};
}

const std::array<Replacements, HookSlotTable::kCapacity>& ReplacementsBySlot() {
    static const auto table = AllReplacements(std::make_index_sequence<HookSlotTable::kCapacity>());
    return table;
}

}  // namespace

RecordingHooks::RecordingHooks(HMODULE module)
    : slot_(HookSlots().Acquire(module,
                                [module](std::size_t slot) { ReplaceImports(module, ReplacementsBySlot()[slot]); })) {}

RecordingHooks::~RecordingHooks() {
    if (slot_ != kNoSlot) HookSlots().Release(slot_);
}

RecordingHooks::RecordingHooks(RecordingHooks&& other) noexcept : slot_(std::exchange(other.slot_, kNoSlot)) {}

RecordingHooks& RecordingHooks::operator=(RecordingHooks&& other) noexcept {
    if (this != &other) {
        if (slot_ != kNoSlot) HookSlots().Release(slot_);
        slot_ = std::exchange(other.slot_, kNoSlot);
    }
    return *this;
}

}  // namespace StandinHost
