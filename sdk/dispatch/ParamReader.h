// Reading an action's or condition's parameters from the host, in declaration order.
#pragma once

#include <cstdint>

#include "sdk/definition/AceTables.h"
#include "sdk/host/RunRecords.h"

namespace Vantor {

class ExtensionBase;

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
class ConditionOrActionManager_Windows final : public ACEParamReader {
public:
    ConditionOrActionManager_Windows(bool isCondition, Host::RUNDATA* rdPtr, ExtensionBase& extension,
                                     const AceInfoRecord* info, std::int32_t param1, std::int32_t param2);

    float GetFloat(int index) override;
    std::uintptr_t GetString(int index) override;
    std::int32_t GetInteger(int index, std::uint16_t code) override;
    std::int32_t GetObject(int index) override;

private:
    std::int32_t Preloaded(int index) const;
    std::int32_t Next(std::int32_t kind) const;

    Host::RUNDATA* rdPtr_;
    ExtensionBase& extension_;
    bool preloaded_;
    bool isCondition_;
};

}  // namespace Vantor
