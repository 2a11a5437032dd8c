// Moves text between the Windows edge's wchar_t strings and the portable char16_t ones.
// Unit by unit, since both hold UTF-16 on Windows.
#pragma once

#include <string>
#include <string_view>

namespace Vantor {

inline std::u16string ToU16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }
inline std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace Vantor
