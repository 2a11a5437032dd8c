#include "sdk/diagnostics/ProbeRules.h"

#include <limits>

namespace Vantor {
namespace {

template <class Unit>
std::int32_t ReadLeadingDecimal(std::basic_string_view<Unit> text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) value = kLimit;
    }
    if (negative) return static_cast<std::int32_t>(-value);
    return value >= kLimit ? std::numeric_limits<std::int32_t>::max() : static_cast<std::int32_t>(value);
}

constexpr std::uint16_t kMachineX86 = 0x014C;
constexpr std::uint16_t kMachineArm64 = 0xAA64;
constexpr std::uint16_t kMachineX64 = 0x8664;
constexpr std::uint16_t kMachineArmProcess = 0x0200;

}  // namespace

const char16_t* LanguageCodeFor(std::int32_t language) {
    if (language == 1036) return u"FR";
    if (language == 1041) return u"JP";
    return u"EN";
}

std::int32_t LeadingDecimal(std::string_view text) { return ReadLeadingDecimal(text); }
std::int32_t LeadingDecimal(std::u16string_view text) { return ReadLeadingDecimal(text); }

std::uint16_t EffectiveProcessMachine(std::uint16_t processMachine, std::uint16_t nativeMachine) {
    return processMachine == 0 ? nativeMachine : processMachine;
}

bool IsSupportedMachinePair(std::uint16_t processMachine, std::uint16_t nativeMachine) {
    return nativeMachine == kMachineX86 || nativeMachine == kMachineArm64 || nativeMachine == kMachineX64 ||
           processMachine == kMachineArmProcess;
}

int DisplayModeFromFlags(std::uint16_t flags) {
    if (flags & 0x0006) return 2;
    const bool high = flags & 0x8000, low = flags & 0x4000;
    if (high && low) return 7;
    if (high) return 6;
    if (low) return 5;
    return 3;
}

}  // namespace Vantor
