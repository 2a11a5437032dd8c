// The host's 256-character buffer for one debugger item, filled with a marker and followed by a
// guard area, so that the host can tell whether the extension wrote it, ended its text inside
// it and stayed inside it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace StandinHost {

class DebugItemBuffer {
public:
    static constexpr std::size_t kCharacters = 256;
    static constexpr std::size_t kGuardCharacters = 64;

    DebugItemBuffer();
    wchar_t* Data() noexcept { return characters_.data(); }

    // Nothing when the buffer is untouched. Throws ExtensionFault when the guard was written or
    // the text does not end inside the buffer.
    std::optional<std::wstring> Read() const;

private:
    std::vector<wchar_t> characters_;
};

}  // namespace StandinHost
