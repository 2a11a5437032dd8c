#include "standins/host/internal/ObjectServices.h"

#include "standins/host/RunHeader.h"
#include "standins/host/internal/ServiceRefusal.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace StandinHost {
namespace {

std::string Address(const void* address) {
    char text[24];
    std::snprintf(text, sizeof text, "%p", address);
    return text;
}

std::string UnknownKind(std::int32_t kind) { return "unknown parameter kind " + std::to_string(kind); }

}  // namespace

ParameterBlock& ObjectServices::BeginCall(EventKind kind, std::vector<Parameter> parameters) {
    if (call_) throw std::logic_error("an event call of this object is already in progress");
    return call_.emplace(kind, std::move(parameters)).block;
}

ObjectServices::ActiveCall& ObjectServices::Active(EventKind kind, const char* service) {
    if (!call_) throw ServiceRefusal(std::string(service) + " called outside any event call of the object");
    if (call_->kind != kind)
        throw ServiceRefusal(std::string(service) + " called during " +
                             (call_->kind == EventKind::Expression ? "an expression call"
                                                                    : "an action or condition call"));
    return *call_;
}

std::int32_t ObjectServices::NextParameter(std::int32_t kind) {
    ParameterBlock& block = Active(EventKind::ActionOrCondition, "the next-parameter service").block;
    const void* current = rdPtr_->header.currentParameter;
    const std::optional<std::size_t> index = block.IndexOf(current);
    if (!index)
        throw ServiceRefusal("the current parameter pointer " + Address(current) +
                             " is not at a parameter record of the call");
    if (*index == block.Count())
        throw ServiceRefusal("asked for parameter " + std::to_string(*index) + " past the last of a call that has " +
                             std::to_string(block.Count()));
    std::int32_t answer = 0;
    switch (kind) {
    case Vantor::Host::kParameterInteger: answer = block.Integer(*index); break;
    case Vantor::Host::kParameterFloat: answer = block.FloatBits(*index); break;
    case Vantor::Host::kParameterRaw: answer = block.Word(*index); break;
    default: throw ServiceRefusal(UnknownKind(kind));
    }
    rdPtr_->header.currentParameter = block.Record(*index + 1);
    return answer;
}

std::int32_t ObjectServices::PreloadedFloat(std::int32_t index) {
    ParameterBlock& block = Active(EventKind::ActionOrCondition, "the preloaded-float service").block;
    if (index < 0) throw ServiceRefusal("asked the float of parameter " + std::to_string(index));
    return block.FloatBits(static_cast<std::size_t>(index));
}

std::int32_t ObjectServices::ExpressionParameter(bool first, std::int32_t kind) {
    ActiveCall& call = Active(EventKind::Expression, first ? "the first-expression-parameter service"
                                                           : "the next-expression-parameter service");
    if (first) call.nextExpressionParameter = 0;
    if (!call.nextExpressionParameter)
        throw ServiceRefusal("the next-expression-parameter service called before the first-expression-parameter one");
    const std::size_t index = *call.nextExpressionParameter;
    std::int32_t answer = 0;
    switch (kind) {
    case Vantor::Host::kExpressionInteger: answer = call.block.Integer(index); break;
    case Vantor::Host::kExpressionText: answer = call.block.Text(index); break;
    case Vantor::Host::kExpressionFloat: answer = call.block.FloatBits(index); break;
    default: throw ServiceRefusal(UnknownKind(kind));
    }
    call.nextExpressionParameter = index + 1;
    return answer;
}

std::int32_t ObjectServices::TextBuffer(std::int32_t bytes) {
    if (bytes < 0) throw ServiceRefusal("asked for a text buffer of " + std::to_string(bytes) + " bytes");
    if (runHeader_.TextBuffersFail()) return 0;
    return static_cast<std::int32_t>(
        reinterpret_cast<std::uintptr_t>(buffers_.Allocate(static_cast<std::size_t>(bytes))));
}

std::int32_t ObjectServices::EditBox(EditBoxKind kind, std::int32_t record) {
    return editBoxes_.Show(kind, reinterpret_cast<Vantor::Host::DebugEditRecord*>(static_cast<std::uintptr_t>(record)));
}

void ObjectServices::CheckRunHeader() const {
    if (rdPtr_->header.runHeader != runHeader_.Address())
        throw ServiceRefusal("the object's run header pointer was changed to " + Address(rdPtr_->header.runHeader));
}

}  // namespace StandinHost
