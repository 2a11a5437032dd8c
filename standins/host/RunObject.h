// One run-time object of an extension, as the host keeps it: its RUNDATA, its life through the
// extension's exports, its event calls through the jump tables, and the host debugger's view.
#pragma once

#include "sdk/host/HostRecords.h"
#include "sdk/host/RunRecords.h"
#include "standins/host/DebugEditBox.h"
#include "standins/host/ExpressionResult.h"
#include "standins/host/ExtensionLibrary.h"
#include "standins/host/Parameter.h"
#include "standins/host/RunHeader.h"
#include "standins/host/ServiceCall.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace StandinHost {

class ObjectServices;

struct RunObjectOptions {
    void* editData = nullptr;  // the EDITDATA handed to CreateRunObject: the block the editor filled
    std::uint32_t oeFlags = 0;
};

// Every call must come from the thread the tests run the extension on; the host never calls one
// object from two threads. The library and the run header must outlive the object.
class RunObject {
public:
    static constexpr std::size_t kDataSize = sizeof(Vantor::Host::RUNDATA);  // what the extension asks for
    // What is allocated: room behind the RUNDATA for the largest run of blocks OEFLAGS can add.
    static constexpr std::size_t kRecordSize = kDataSize + 120 + 80 + 158 + 36 + 174;
    static constexpr std::size_t kCreateObjectInfoSize = 64;

    // Asks GetRunObjectInfos for the jump tables, then calls CreateRunObject(rdPtr, editData,
    // create-object record). The record is zero-filled but for the run header pointer and
    // OEFLAGS; an extension looking for its pointer behind the blocks of any OEFLAGS reads zeros,
    // not past the record.
    // Throws ExtensionLibraryError for a missing export and ExtensionFault when
    // GetRunObjectInfos answers 0 (the library was not initialised).
    RunObject(const ExtensionLibrary& library, RunHeader& runHeader, RunObjectOptions options = {});
    // Calls DestroyRunObject(rdPtr, 0) unless Destroy was called; frees the text buffers.
    ~RunObject();
    RunObject(const RunObject&) = delete;
    RunObject& operator=(const RunObject&) = delete;

    Vantor::Host::RUNDATA* Data() const noexcept;
    Vantor::Host::ObjectHeader& Header() const noexcept { return Data()->header; }
    void* CreateObjectInfo() const noexcept { return createObjectInfo_.get(); }
    const Vantor::Host::RunInfos& Infos() const noexcept { return infos_; }
    std::int32_t CreateResult() const noexcept { return createResult_; }
    // Changes OEFLAGS behind the extension's back, as a project stored with other flags does.
    void SetOeFlags(std::uint32_t flags) noexcept { Header().oeFlags = flags; }

    // HandleRunObject(rdPtr): one tick.
    std::uint32_t Handle();
    // DestroyRunObject(rdPtr, fast). The RUNDATA stays, so later calls reach the extension's
    // handling of a destroyed object.
    std::int32_t Destroy(std::int32_t fast = 0);

    // An event call through the jump table: sets the called number, clears the result-type
    // bits, lays out the parameter records and points the current parameter at the first, and
    // passes the first two parameters' words as param1 and param2 (see Parameter.h). The
    // current parameter pointer is null again after the call. Throws std::out_of_range for a
    // number past the table and ExtensionFault for a null table or an empty slot.
    std::int32_t Action(std::int32_t id, std::vector<Parameter> parameters = {});
    std::int32_t Condition(std::int32_t id, std::vector<Parameter> parameters = {});
    // The same for an expression, called with (rdPtr, 0); its parameters come through the
    // expression-parameter services only. Throws ExtensionFault for a text result that runs
    // past the end of its host buffer.
    ExpressionResult Expression(std::int32_t id, std::vector<Parameter> parameters = {});

    // Every run header service call the object's extension made, in order.
    const std::vector<ServiceCall>& ServiceCalls() const noexcept;
    std::vector<ServiceCall> TakeServiceCalls();

    // GetDebugTree: the item IDs up to the 0xFFFF that ends them. Throws ExtensionFault for a
    // null tree or one without its end within 65536 entries.
    std::vector<std::uint16_t> DebugTree();
    // GetDebugItem into a 256-character buffer: nothing when the extension left it untouched.
    // Throws ExtensionFault when the text is not terminated inside it or writing ran past it.
    std::optional<std::wstring> DebugItem(std::int32_t id);
    // EditDebugItem; its edit boxes take the queued answers, or are cancelled when none is left.
    void EditDebugItem(std::int32_t id);
    void QueueEditBoxAnswer(EditBoxAnswer answer);
    const std::vector<EditBoxCall>& EditBoxCalls() const noexcept;

private:
    using EventSlot = std::int32_t(VANTOR_HOSTCALL*)(void* rdPtr, std::int32_t param1, std::int32_t param2);
    using ExpressionSlot = std::int32_t(VANTOR_HOSTCALL*)(void* rdPtr, std::int32_t unused);
    using HandleFn = std::uint32_t(VANTOR_HOSTCALL*)(Vantor::Host::RUNDATA* rdPtr);
    using DestroyFn = std::int32_t(VANTOR_HOSTCALL*)(Vantor::Host::RUNDATA* rdPtr, std::int32_t fast);

    void* Slot(void* table, std::uint16_t count, std::int32_t id, const char* kind) const;
    std::int32_t CallEvent(void* table, std::uint16_t count, std::int32_t id, const char* kind,
                           std::vector<Parameter> parameters);
    ExpressionResult ReadResult(std::int32_t raw) const;

    const ExtensionLibrary& library_;
    RunHeader& runHeader_;
    HandleFn handle_;
    DestroyFn destroy_;
    std::unique_ptr<std::uint8_t[]> data_;
    std::unique_ptr<std::uint8_t[]> createObjectInfo_;
    std::unique_ptr<ObjectServices> services_;
    Vantor::Host::RunInfos infos_{};
    std::int32_t createResult_ = 0;
    bool destroyed_ = false;
};

}  // namespace StandinHost
