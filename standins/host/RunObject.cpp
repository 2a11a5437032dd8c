#include "standins/host/RunObject.h"

#include "standins/host/ExtensionFault.h"
#include "standins/host/internal/BoundedLength.h"
#include "standins/host/internal/FloatWord.h"
#include "standins/host/internal/ObjectServices.h"
#include "standins/host/internal/ServiceRegistry.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace StandinHost {
namespace {

using Vantor::Host::RUNDATA;

constexpr std::uint16_t kResultBits = Vantor::Host::kResultIsFloat | Vantor::Host::kResultIsText;

using GetRunObjectInfosFn = std::int16_t(VANTOR_HOSTCALL*)(Vantor::Host::mV*, Vantor::Host::RunInfos*);
using CreateRunObjectFn = std::int32_t(VANTOR_HOSTCALL*)(RUNDATA*, void* edPtr, void* cobPtr);

// Ends the call's parameter life however the call returns.
class CallScope {
public:
    CallScope(ObjectServices& services, RUNDATA* rdPtr) : services_(services), rdPtr_(rdPtr) {}
    ~CallScope() {
        rdPtr_->header.currentParameter = nullptr;
        services_.EndCall();
    }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;

private:
    ObjectServices& services_;
    RUNDATA* rdPtr_;
};

}  // namespace

RunObject::RunObject(const ExtensionLibrary& library, RunHeader& runHeader, RunObjectOptions options)
    : library_(library),
      runHeader_(runHeader),
      handle_(library.Export<HandleFn>("HandleRunObject")),
      destroy_(library.Export<DestroyFn>("DestroyRunObject")),
      data_(std::make_unique<std::uint8_t[]>(RunObject::kRecordSize)),
      createObjectInfo_(std::make_unique<std::uint8_t[]>(kCreateObjectInfoSize)),
      services_(std::make_unique<ObjectServices>(runHeader, Data())) {
    const auto getInfos = library_.Export<GetRunObjectInfosFn>("GetRunObjectInfos");
    const auto create = library_.Export<CreateRunObjectFn>("CreateRunObject");
    if (getInfos(runHeader_.Host().Record(), &infos_) == 0)
        throw ExtensionFault("GetRunObjectInfos answered 0: the library describes no object (was it initialised?)");

    Header().runHeader = runHeader_.Address();
    Header().oeFlags = options.oeFlags;
    ServiceRegistry::Add(Data(), *services_);
    createResult_ = create(Data(), options.editData, CreateObjectInfo());
}

RunObject::~RunObject() {
    if (!destroyed_) destroy_(Data(), 0);
    ServiceRegistry::Remove(Data());
}

RUNDATA* RunObject::Data() const noexcept { return reinterpret_cast<RUNDATA*>(data_.get()); }

std::uint32_t RunObject::Handle() { return handle_(Data()); }

std::int32_t RunObject::Destroy(std::int32_t fast) {
    destroyed_ = true;
    return destroy_(Data(), fast);
}

void* RunObject::Slot(void* table, std::uint16_t count, std::int32_t id, const char* kind) const {
    if (id < 0 || id >= count)
        throw std::out_of_range(std::string(kind) + " " + std::to_string(id) + " is not in the jump table of " +
                                std::to_string(count));
    if (table == nullptr) throw ExtensionFault(std::string("the ") + kind + " jump table is null");
    void* const slot = static_cast<void* const*>(table)[id];
    if (slot == nullptr) throw ExtensionFault(std::string(kind) + " jump-table slot " + std::to_string(id) + " is empty");
    return slot;
}

std::int32_t RunObject::CallEvent(void* table, std::uint16_t count, std::int32_t id, const char* kind,
                                  std::vector<Parameter> parameters) {
    const auto slot = reinterpret_cast<EventSlot>(Slot(table, count, id, kind));
    ParameterBlock& block = services_->BeginCall(EventKind::ActionOrCondition, std::move(parameters));
    CallScope scope(*services_, Data());
    Header().calledNumber = id;
    Header().flags &= static_cast<std::uint16_t>(~kResultBits);
    Header().currentParameter = block.First();
    const std::int32_t param1 = block.Count() > 0 ? block.Word(0) : 0;
    const std::int32_t param2 = block.Count() > 1 ? block.Word(1) : 0;
    return slot(Data(), param1, param2);
}

std::int32_t RunObject::Action(std::int32_t id, std::vector<Parameter> parameters) {
    return CallEvent(infos_.actions, infos_.numActions, id, "action", std::move(parameters));
}

std::int32_t RunObject::Condition(std::int32_t id, std::vector<Parameter> parameters) {
    return CallEvent(infos_.conditions, infos_.numConditions, id, "condition", std::move(parameters));
}

ExpressionResult RunObject::Expression(std::int32_t id, std::vector<Parameter> parameters) {
    const auto slot = reinterpret_cast<ExpressionSlot>(Slot(infos_.expressions, infos_.numExpressions, id, "expression"));
    std::int32_t raw = 0;
    {
        services_->BeginCall(EventKind::Expression, std::move(parameters));
        CallScope scope(*services_, Data());
        Header().calledNumber = id;
        Header().flags &= static_cast<std::uint16_t>(~kResultBits);
        Header().currentParameter = nullptr;
        raw = slot(Data(), 0);
    }
    return ReadResult(raw);
}

ExpressionResult RunObject::ReadResult(std::int32_t raw) const {
    ExpressionResult result;
    result.integer = raw;
    const std::uint16_t flags = Header().flags;
    if ((flags & Vantor::Host::kResultIsText) == 0) {
        if ((flags & Vantor::Host::kResultIsFloat) != 0) {
            result.kind = ResultKind::Float;
            result.real = FloatFromBits(raw);
        }
        return result;
    }
    result.kind = ResultKind::Text;
    const auto* text = reinterpret_cast<const wchar_t*>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(raw)));
    if (text == nullptr) return result;
    const std::optional<std::size_t> bytes = services_->Buffers().BytesFrom(text);
    result.textInHostBuffer = bytes.has_value();
    if (!bytes) {
        result.text = text;  // not the host's: read as the host would, trusting its terminator
        return result;
    }
    const std::size_t room = *bytes / sizeof(wchar_t);
    const std::size_t length = BoundedLength(text, room);
    if (length == room) throw ExtensionFault("the text result runs past the end of its host buffer");
    result.text.assign(text, length);
    return result;
}

const std::vector<ServiceCall>& RunObject::ServiceCalls() const noexcept { return services_->Calls(); }

std::vector<ServiceCall> RunObject::TakeServiceCalls() { return std::exchange(services_->Calls(), {}); }

void RunObject::QueueEditBoxAnswer(EditBoxAnswer answer) { services_->EditBoxes().Queue(std::move(answer)); }

const std::vector<EditBoxCall>& RunObject::EditBoxCalls() const noexcept { return services_->EditBoxes().Calls(); }

}  // namespace StandinHost
