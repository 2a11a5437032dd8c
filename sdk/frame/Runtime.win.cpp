#include "sdk/frame/Runtime.h"

#include <cstring>

#include "sdk/diagnostics/LateInit.h"
#include "sdk/diagnostics/Log.h"
#include "sdk/dispatch/ParameterRecords.h"
#include "sdk/frame/Sdk.h"

namespace Vantor::Ovik {
namespace {

// Object-type list entries grew in later hosts; the host says which it uses, once.
std::size_t ObjectListEntrySize()
{
    static const std::size_t size = [] {
        const Host::mV* mV = ::SDK ? ::SDK->mV : nullptr;
        const bool large =
            mV && mV->callFunction && mV->callFunction(nullptr, Host::kCallObjectListEntryIsLarge, 0, 0, 0) != 0;
        return large ? std::size_t{146} : std::size_t{142};
    }();
    return size;
}

}  // namespace

ObjectSelection::ObjectSelection(void* rhPtr)
    : runHeader(rhPtr),
      objectTable(ReadRunHeader<void*>(rhPtr, Host::kRunHeaderObjectTable)),
      firstObjectList(nullptr),
      qualifiers(ReadRunHeader<void*>(rhPtr, Host::kRunHeaderQualifiers))
{
    firstObjectList = GetOIListByIndex(0);
}

void* ObjectSelection::GetOIListByIndex(std::size_t index) const
{
    const auto count = ReadRunHeader<std::int32_t>(runHeader, Host::kRunHeaderObjectListCount);
    if (count > 0 && index < static_cast<std::size_t>(count))
        return ReadRunHeader<std::uint8_t*>(runHeader, Host::kRunHeaderObjectListBase) + index * ObjectListEntrySize();
    LogLine(kLogWarning, L"RunHeader::GetOIListByIndex() was passed invalid OIList index %zu, are you passing a OI "
                         L"instead?\n", index);
    return nullptr;
}

Runtime::Runtime(ExtensionBase* extension, Host::RUNDATA* rdPtr)
    : rdPtr(rdPtr), extension(extension), sdk(::SDK), objectSelection(rdPtr->header.runHeader)
{
    LateInit(rdPtr->header.runHeader);
}

const wchar_t* Runtime::CopyString(std::wstring_view text) const
{
    static const wchar_t kEmpty[1] = {};
    const Host::RunService allocate = RunHeaderService(rdPtr, Host::kServiceTextBuffer);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    auto* buffer = allocate ? reinterpret_cast<wchar_t*>(allocate(rdPtr, 0, static_cast<std::int32_t>(bytes))) : nullptr;
    if (!buffer)
        return kEmpty;  // the host had no room: an empty text rather than a write through null
    text.copy(buffer, text.size());
    buffer[text.size()] = L'\0';
    return buffer;
}

std::int16_t Runtime::GetOIListIndexFromObjectParam(int index) const
{
    const Host::ParameterRecord* record = ParameterRecordAt(firstParameter, index);
    if (record->code != 1)
        LogLine(kLogWarning, L"GetOIListIndexFromObjectParam: Returning a OiList index for a non-Object parameter.\n");
    Host::ObjectParameterData data;
    std::memcpy(&data, record + 1, sizeof data);
    LogLine(kLogDetail, L"GetOIListIndexFromObjectParam: Returning OiList %hi, oi is %hi.\n", data.objectListIndex,
            data.objectNumber);
    return data.objectListIndex;
}

}  // namespace Vantor::Ovik
