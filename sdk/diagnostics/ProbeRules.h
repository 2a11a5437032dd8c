// The decisions of the environment probes, apart from the Windows calls that feed them.
#pragma once

#include <cstdint>
#include <string_view>

namespace Vantor {

// The two-letter code that picks a language-specific definition: "FR" for 1036, "JP" for 1041, else "EN".
const char16_t* LanguageCodeFor(std::int32_t language);

// The decimal number at the start of a text, as atoi reads it (leading white space, a sign, digits),
// but never reading past the text and saturating at the 32-bit limits; 0 when there are no digits.
std::int32_t LeadingDecimal(std::string_view text);
std::int32_t LeadingDecimal(std::u16string_view text);

// IsWow64Process2 answers: a process machine of 0 means "not under WOW64", that is the native one.
std::uint16_t EffectiveProcessMachine(std::uint16_t processMachine, std::uint16_t nativeMachine);
// Supported: an x86, ARM64 or x64 native machine, or an IA-64 (0x0200) process machine.
bool IsSupportedMachinePair(std::uint16_t processMachine, std::uint16_t nativeMachine);

// The display mode from the application record's flags (offset 26); 8 is the "not yet read" marker.
inline constexpr int kDisplayModeUnknown = 8;
int DisplayModeFromFlags(std::uint16_t flags);

}  // namespace Vantor
