#include "sdk/dispatch/ParamReader.h"

#include <bit>
#include <cstring>

#include "sdk/diagnostics/Log.h"
#include "sdk/dispatch/ParameterRecords.h"
#include "sdk/frame/ExtensionBase.h"

namespace Vantor {
namespace {

constexpr std::uint16_t kNewDirection = 29;
constexpr std::uint16_t kObject = 1;
constexpr int kMaxPreloaded = 2;

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

ConditionOrActionManager_Windows::ConditionOrActionManager_Windows(bool isCondition, Host::RUNDATA* rdPtr,
                                                                   ExtensionBase& extension, const AceInfoRecord* info,
                                                                   std::int32_t param1, std::int32_t param2)
    : rdPtr_(rdPtr), extension_(extension), preloaded_(false), isCondition_(isCondition)
{
    Ovik::Runtime& runtime = extension.Runtime;
    auto*& current = reinterpret_cast<Host::ParameterRecord*&>(rdPtr->header.currentParameter);
    runtime.firstParameter = current;

    const int count = info ? info->numParams() : 0;
    preloaded_ = count <= kMaxPreloaded;
    if (preloaded_) {
        const Host::RunService preloadedFloat = Ovik::RunHeaderService(rdPtr, Host::kServicePreloadedFloat);
        for (int i = 0; i < count; ++i) {
            if (info->paramIsFloat(i) && preloadedFloat)
                (i == 0 ? param1 : param2) = preloadedFloat(rdPtr, i, 0);
            current = NextParameterRecord(current);
        }
    }
    runtime.param1 = param1;
    runtime.param2 = param2;
}

std::int32_t ConditionOrActionManager_Windows::Preloaded(int index) const
{
    return index == 0 ? extension_.Runtime.param1 : extension_.Runtime.param2;
}

std::int32_t ConditionOrActionManager_Windows::Next(std::int32_t kind) const
{
    const Host::RunService next = Ovik::RunHeaderService(rdPtr_, Host::kServiceNextParameter);
    return next ? next(rdPtr_, kind, 0) : 0;
}

float ConditionOrActionManager_Windows::GetFloat(int index)
{
    return std::bit_cast<float>(preloaded_ ? Preloaded(index) : Next(Host::kParameterFloat));
}

std::uintptr_t ConditionOrActionManager_Windows::GetString(int index)
{
    return static_cast<std::uint32_t>(preloaded_ ? Preloaded(index) : Next(Host::kParameterRaw));
}

std::int32_t ConditionOrActionManager_Windows::GetInteger(int index, std::uint16_t code)
{
    if (preloaded_)
        return Preloaded(index);
    if (code != kNewDirection)
        return Next(Host::kParameterInteger);
    auto*& current = reinterpret_cast<Host::ParameterRecord*&>(rdPtr_->header.currentParameter);
    if (current && current->code == kNewDirection) {
        // The host stored the mask itself; it is taken without the host's service, so the
        // frame steps over the record as the service would have.
        std::int32_t mask;
        std::memcpy(&mask, current + 1, sizeof mask);
        current = NextParameterRecord(current);
        return mask;
    }
    return DirectionMask(Next(Host::kParameterInteger));
}

std::int32_t ConditionOrActionManager_Windows::GetObject(int index)
{
    const std::uintptr_t value = GetString(index);
    if (!isCondition_)
        return static_cast<std::int32_t>(value);
    if (preloaded_)
        return extension_.Runtime.GetOIListIndexFromObjectParam(index);
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
