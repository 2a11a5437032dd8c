#include "standins/host/internal/DebugItemBuffer.h"

#include "standins/host/ExtensionFault.h"
#include "standins/host/internal/BoundedLength.h"

#include <algorithm>

namespace StandinHost {
namespace {

// A noncharacter: no item text holds it.
constexpr wchar_t kUnwritten = L'\xFDD0';

}  // namespace

DebugItemBuffer::DebugItemBuffer() : characters_(kCharacters + kGuardCharacters, kUnwritten) {}

std::optional<std::wstring> DebugItemBuffer::Read() const {
    const auto end = characters_.begin() + kCharacters;
    if (!std::all_of(end, characters_.end(), [](wchar_t c) { return c == kUnwritten; }))
        throw ExtensionFault("GetDebugItem wrote past the end of its 256-character buffer");
    if (std::all_of(characters_.begin(), end, [](wchar_t c) { return c == kUnwritten; })) return std::nullopt;
    const std::size_t length = BoundedLength(characters_.data(), kCharacters);
    if (length == kCharacters) throw ExtensionFault("GetDebugItem left its text unterminated in the buffer");
    return std::wstring(characters_.data(), length);
}

}  // namespace StandinHost
