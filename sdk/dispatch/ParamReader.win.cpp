#include "sdk/dispatch/ParamReader.h"

#include <cstring>

#include "sdk/diagnostics/Log.h"

namespace Vantor {
namespace {

constexpr std::uint16_t kObject = 1;

// A new-direction value the user typed: -1 is none, 0 to 31 a single direction.
std::int32_t DirectionMask(std::int32_t value)
{
    if (value == -1)
        return 0;
    if (value >= 0 && value <= 31)
        return static_cast<std::int32_t>(1u << value);
    LogLine(kLogWarning, L"Invalid New Direction value %d passed by user, going with none.\n", value);
    return 0;
}

}  // namespace

std::int32_t ConditionOrActionManager_Windows::NextDirection(Host::RUNDATA* rdPtr)
{
    auto*& current = reinterpret_cast<Host::ParameterRecord*&>(rdPtr->header.currentParameter);
    if (current && current->code == kNewDirection) {
        // The host stored the mask itself; it is taken without the host's service, so the
        // frame steps over the record as the service would have.
        std::int32_t mask;
        std::memcpy(&mask, current + 1, sizeof mask);
        current = NextParameterRecord(current);
        return mask;
    }
    return DirectionMask(NextParameter(rdPtr, Host::kParameterInteger));
}

std::int32_t ConditionOrActionManager_Windows::ObjectListIndex(const Ovik::Runtime& runtime, bool preloaded,
                                                                int index, std::uintptr_t value)
{
    if (preloaded)
        return runtime.GetOIListIndexFromObjectParam(index);
    const auto* record = reinterpret_cast<const Host::ParameterRecord*>(value);
    if (!record)
        return -1;
    if (record->code != kObject)
        LogLine(kLogWarning, L"ConditionOrActionManager::GetObject: Returning a OiList index for a non-Object "
                             L"parameter.\n");
    Host::ObjectParameterData data;
    std::memcpy(&data, record + 1, sizeof data);
    return data.objectListIndex;
}

}  // namespace Vantor
