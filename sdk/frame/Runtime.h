// The framework's part of every Extension: the current call's preloaded parameters, the
// object selection and the hand-over of text results into host buffers.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "sdk/host/RunRecords.h"

namespace Vantor {
class ExtensionBase;
}

namespace Vantor::Ovik {

class SDK;

// The host's object lists, read from the run header when the object is created.
class ObjectSelection {
public:
    explicit ObjectSelection(void* rhPtr);

    ExtensionBase* extension = nullptr;  // set by CreateRunObject once the Extension exists

    // The entry of the object-type list at `index`, or null (logged) past the list.
    void* GetOIListByIndex(std::size_t index) const;

    void* runHeader;
    void* objectTable;
    void* firstObjectList;
    void* qualifiers;
};

class Runtime {
public:
    Runtime(ExtensionBase* extension, Host::RUNDATA* rdPtr);

    // A host-owned copy of `text`, for expressions that return text.
    const wchar_t* CopyString(std::wstring_view text) const;

    // The object-list index of the object parameter `index` of the current call.
    std::int16_t GetOIListIndexFromObjectParam(int index) const;

    Host::RUNDATA* rdPtr;
    ExtensionBase* extension;
    std::int32_t param1 = 0;
    std::int32_t param2 = 0;
    SDK* sdk;
    Host::ParameterRecord* firstParameter = nullptr;  // the current call's first host record
    ObjectSelection objectSelection;
};

// A value of the host's run header, or the type's default without a run header.
template <class T>
T ReadRunHeader(const void* rhPtr, std::size_t offset)
{
    T value{};
    if (rhPtr)
        std::memcpy(&value, static_cast<const std::uint8_t*>(rhPtr) + offset, sizeof value);
    return value;
}

// A service of the host's run header. Inline: every dispatch reaches the host through it.
inline Host::RunService RunHeaderService(const Host::RUNDATA* rdPtr, std::size_t offset)
{
    return ReadRunHeader<Host::RunService>(rdPtr->header.runHeader, offset);
}

}  // namespace Vantor::Ovik
