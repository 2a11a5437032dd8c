// What the run header services answer for one object: the parameters of the call in progress,
// its text buffers and its debugger edit boxes. The services reach it through ServiceRegistry.
// The host calls an object from one thread only, so nothing here is locked.
#pragma once

#include "sdk/host/RunRecords.h"
#include "standins/host/DebugEditBox.h"
#include "standins/host/Parameter.h"
#include "standins/host/ServiceCall.h"
#include "standins/host/internal/EditBoxScript.h"
#include "standins/host/internal/ParameterBlock.h"
#include "standins/host/internal/TextBuffers.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace StandinHost {

class RunHeader;

enum class EventKind { ActionOrCondition, Expression };

// Every answer throws ServiceRefusal when the service was called out of order or for
// something the call does not hold.
class ObjectServices {
public:
    ObjectServices(const RunHeader& runHeader, Vantor::Host::RUNDATA* rdPtr) : runHeader_(runHeader), rdPtr_(rdPtr) {}
    ObjectServices(const ObjectServices&) = delete;
    ObjectServices& operator=(const ObjectServices&) = delete;

    // Throws std::logic_error while another call of the object is in progress.
    ParameterBlock& BeginCall(EventKind kind, std::vector<Parameter> parameters);
    void EndCall() noexcept { call_.reset(); }

    // Service 928: the parameter whose record the object's current parameter pointer is at;
    // the pointer then moves on to the next record, as the host reads.
    std::int32_t NextParameter(std::int32_t kind);
    // Service 936: the float bits of parameter `index`; nothing moves.
    std::int32_t PreloadedFloat(std::int32_t index);
    // Services 876 (first: back to the expression's first parameter) and 880 (the next one).
    std::int32_t ExpressionParameter(bool first, std::int32_t kind);
    // Service 872: a buffer of `bytes` bytes, or null when the run header is set to fail them.
    std::int32_t TextBuffer(std::int32_t bytes);
    // Services 944 and 948: `record` is the address of the edit record.
    std::int32_t EditBox(EditBoxKind kind, std::int32_t record);

    // Refuses when the object's header no longer names this run header.
    void CheckRunHeader() const;

    void Record(const ServiceCall& call) { calls_.push_back(call); }
    std::vector<ServiceCall>& Calls() noexcept { return calls_; }
    const TextBuffers& Buffers() const noexcept { return buffers_; }
    EditBoxScript& EditBoxes() noexcept { return editBoxes_; }

private:
    struct ActiveCall {
        ActiveCall(EventKind kind, std::vector<Parameter> parameters) : kind(kind), block(std::move(parameters)) {}
        EventKind kind;
        ParameterBlock block;
        std::optional<std::size_t> nextExpressionParameter;  // none until service 876 was called
    };
    ActiveCall& Active(EventKind kind, const char* service);

    const RunHeader& runHeader_;
    Vantor::Host::RUNDATA* rdPtr_;
    std::optional<ActiveCall> call_;
    TextBuffers buffers_;
    EditBoxScript editBoxes_;
    std::vector<ServiceCall> calls_;
};

}  // namespace StandinHost
