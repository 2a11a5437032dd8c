// The length of a UTF-16 text that is read no further than `limit` characters.
#pragma once

#include <algorithm>
#include <cstddef>

namespace StandinHost {

// `limit` when no terminator lies within the first `limit` characters.
inline std::size_t BoundedLength(const wchar_t* text, std::size_t limit) {
    return static_cast<std::size_t>(std::find(text, text + limit, L'\0') - text);
}

}  // namespace StandinHost
