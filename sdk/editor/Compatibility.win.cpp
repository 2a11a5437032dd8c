#include "sdk/editor/Compatibility.h"

namespace Vantor {
namespace {

enum class Verdict { Unknown, Compatible, Incompatible };
Verdict verdict = Verdict::Unknown;

constexpr std::uint32_t kMinimumBuild = 254;
constexpr std::uint32_t kMinimumVersion = 0x0200;

}  // namespace

bool IsCompatibleHost(const Host::mV* mV)
{
    if (verdict != Verdict::Unknown)
        return verdict == Verdict::Compatible;
    if (!mV || !mV->getVersion)
        return false;
    const std::uint32_t version = mV->getVersion();
    const bool compatible = (version & 0xFFF) >= kMinimumBuild && (version >> 16) >= kMinimumVersion;
    verdict = compatible ? Verdict::Compatible : Verdict::Incompatible;
    return compatible;
}

}  // namespace Vantor
