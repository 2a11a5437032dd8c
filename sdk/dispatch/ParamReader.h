// Reading an action's or condition's parameters from the host, in declaration order.
#pragma once

#include <bit>
#include <cstdint>

#include "sdk/dispatch/CallPlan.h"
#include "sdk/dispatch/ParameterRecords.h"
#include "sdk/frame/ExtensionBase.h"
#include "sdk/host/RunRecords.h"

namespace Vantor {

class ACEParamReader {
public:
    virtual float GetFloat(int index) = 0;
    virtual std::uintptr_t GetString(int index) = 0;
    virtual std::int32_t GetInteger(int index, std::uint16_t code) = 0;
    virtual std::int32_t GetObject(int index) = 0;

protected:
    ~ACEParamReader() = default;
};

// The one reader, built on the stack for each call. Up to two parameters arrive with the call
// itself (preloaded); more are fetched one by one through the host's parameter service.
// Defined here, and final, so that the dispatcher's calls of its operations are inlined; only
// the rare paths live out of line.
class ConditionOrActionManager_Windows final : public ACEParamReader {
public:
    ConditionOrActionManager_Windows(bool isCondition, Host::RUNDATA* rdPtr, ExtensionBase& extension,
                                     const CallPlan& plan, std::int32_t param1, std::int32_t param2)
        : rdPtr_(rdPtr), extension_(extension), preloaded_(plan.preloaded), isCondition_(isCondition)
    {
        Ovik::Runtime& runtime = extension.Runtime;
        void*& hostCurrent = rdPtr->header.currentParameter;
        auto* current = static_cast<Host::ParameterRecord*>(hostCurrent);
        runtime.firstParameter = current;
        runtime.param1 = param1;
        runtime.param2 = param2;
        if (!preloaded_)
            return;
        for (int i = 0; i < plan.preloadedRecords; ++i) {
            if (plan.preloadedFloats >> i & 1)
                PreloadedFloat(rdPtr, i, i == 0 ? runtime.param1 : runtime.param2);
            hostCurrent = current = NextParameterRecord(current);
        }
    }

    float GetFloat(int index) override
    {
        return std::bit_cast<float>(preloaded_ ? Preloaded(index) : Next(Host::kParameterFloat));
    }

    std::uintptr_t GetString(int index) override
    {
        return static_cast<std::uint32_t>(preloaded_ ? Preloaded(index) : Next(Host::kParameterRaw));
    }

    std::int32_t GetInteger(int index, std::uint16_t code) override
    {
        if (preloaded_)
            return Preloaded(index);
        return code == kNewDirection ? NextDirection(rdPtr_) : Next(Host::kParameterInteger);
    }

    std::int32_t GetObject(int index) override
    {
        const std::uintptr_t value = GetString(index);
        return isCondition_ ? ObjectListIndex(extension_.Runtime, preloaded_, index, value)
                            : static_cast<std::int32_t>(value);
    }

private:
    static constexpr std::uint16_t kNewDirection = 29;

    std::int32_t Preloaded(int index) const
    {
        return index == 0 ? extension_.Runtime.param1 : extension_.Runtime.param2;
    }

    std::int32_t Next(std::int32_t kind) const { return NextParameter(rdPtr_, kind); }

    // Replaces a preloaded value by the host's float of that parameter, where the host has the service.
    static void PreloadedFloat(Host::RUNDATA* rdPtr, int index, std::int32_t& value)
    {
        if (const Host::RunService service = Ovik::RunHeaderService(rdPtr, Host::kServicePreloadedFloat))
            value = service(rdPtr, index, 0);
    }

    static std::int32_t NextParameter(Host::RUNDATA* rdPtr, std::int32_t kind)
    {
        const Host::RunService next = Ovik::RunHeaderService(rdPtr, Host::kServiceNextParameter);
        return next ? next(rdPtr, kind, 0) : 0;
    }

    // The rare paths, out of line. They take what they need rather than the reader, so that
    // the reader's address never escapes and the compiler keeps its fields in registers.
    // A new-direction parameter read through the host, as a direction mask.
    static std::int32_t NextDirection(Host::RUNDATA* rdPtr);
    // A condition's object parameter as the object-list index it selects.
    static std::int32_t ObjectListIndex(const Ovik::Runtime& runtime, bool preloaded, int index,
                                        std::uintptr_t value);

    Host::RUNDATA* rdPtr_;
    ExtensionBase& extension_;
    bool preloaded_;
    bool isCondition_;
};

}  // namespace Vantor
