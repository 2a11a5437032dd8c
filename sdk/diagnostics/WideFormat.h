// printf for UTF-16 texts with the Windows C runtime's wide conventions, whatever the compiler's
// own printf does: %s and %ls take UTF-16 text, %hs 8-bit (UTF-8) text, %c a UTF-16 unit and %hc
// an 8-bit one; hh, h, l, ll, z, j, t, I, I32 and I64 size the integers; %p prints the address in
// upper-case hex digits. Flags, width and precision (also as *) follow C; a precision on %hs counts
// bytes, on %s units, and no text is read past it.
//
// Refused, so the caller can report it instead of printing garbage: a null format, a format ending
// inside a conversion, an unknown conversion, %n, long double (%Lf), and a width or precision over
// kMaxFormatField.
#pragma once

#include <cstdarg>
#include <optional>
#include <string>

namespace Vantor {

inline constexpr int kMaxFormatField = 1 << 16;

// Unit is char16_t (portable) or wchar_t (the Windows edge, where it is UTF-16 too).
template <class Unit>
std::optional<std::basic_string<Unit>> FormatWide(const Unit* format, std::va_list args);

extern template std::optional<std::u16string> FormatWide(const char16_t*, std::va_list);
extern template std::optional<std::wstring> FormatWide(const wchar_t*, std::va_list);

}  // namespace Vantor
