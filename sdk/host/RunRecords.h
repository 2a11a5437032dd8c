// The host's run-time records: the object header at the start of RUNDATA, the event
// parameter records and the run header services, byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sdk/host/HostRecords.h"

namespace Vantor::Host {

// The host's 184-byte object header; only the fields the framework uses are named.
struct ObjectHeader {
    std::uint8_t reserved0[8];
    void* runHeader;                 // the frame's run header
    std::uint8_t reserved12[48];
    std::int32_t calledNumber;       // the action, condition or expression being called
    std::uint8_t reserved64[56];
    std::uint32_t oeFlags;
    std::uint16_t flags;             // takes the expression result-type bits
    std::uint8_t reserved126[46];
    void* currentParameter;          // the current event parameter record
    std::uint8_t reserved176[8];
};
static_assert(offsetof(ObjectHeader, runHeader) == 8);
static_assert(offsetof(ObjectHeader, calledNumber) == 60);
static_assert(offsetof(ObjectHeader, oeFlags) == 120);
static_assert(offsetof(ObjectHeader, flags) == 124);
static_assert(offsetof(ObjectHeader, currentParameter) == 172);
static_assert(sizeof(ObjectHeader) == 184);

// The object's run-time record with the declared OEFLAGS of 0: the header, then the Extension.
struct RUNDATA {
    ObjectHeader header;
    void* extension;
};
static_assert(offsetof(RUNDATA, extension) == 184);
static_assert(sizeof(RUNDATA) == 188);

constexpr std::uint16_t kResultIsFloat = 0x4000;
constexpr std::uint16_t kResultIsText = 0x8000;

// One event parameter: its size including this head, its code, then its data.
struct ParameterRecord {
    std::uint16_t size;
    std::uint16_t code;
};
static_assert(sizeof(ParameterRecord) == 4);

// Object parameters (code 1) carry an object-list index and an object number.
struct ObjectParameterData {
    std::int16_t objectListIndex;
    std::int16_t objectNumber;
};

// Every run header service takes the object and two values.
using RunService = std::int32_t(VANTOR_HOSTCALL*)(void* rdPtr, std::int32_t a, std::int32_t b);

// Offsets into the host's run header.
enum RunHeaderOffset : std::size_t {
    kRunHeaderApplication = 24,
    kRunHeaderObjectListCount = 84,
    kRunHeaderObjectListBase = 88,
    kRunHeaderQualifiers = 144,
    kServiceTextBuffer = 872,
    kServiceFirstExpressionParameter = 876,
    kServiceNextExpressionParameter = 880,
    kServiceNextParameter = 928,
    kServicePreloadedFloat = 936,
    // The debugger's edit boxes: (rdPtr, 0, address of a DebugEditRecord), answering 1 for OK.
    kServiceEditInteger = 944,
    kServiceEditText = 948,
    kRunHeaderObjectTable = 4728,
};

// The 16-bit flags of the application record the run header points to (offset 24), which
// give the display mode.
constexpr std::size_t kApplicationFlags = 26;

// Kinds the parameter services take.
enum ParameterKind : std::int32_t {
    kParameterInteger = 0,
    kParameterFloat = 2,
    kParameterRaw = -1,
};
enum ExpressionParameterKind : std::int32_t {
    kExpressionInteger = 0,
    kExpressionText = 1,
    kExpressionFloat = 2,
};

// What the debugger's edit boxes show and change.
struct DebugEditRecord {
    std::uint16_t reserved[2];
    union {
        wchar_t* text;
        std::int32_t value;
    };
    std::int32_t maxLength;
};
static_assert(offsetof(DebugEditRecord, text) == 4);
static_assert(sizeof(DebugEditRecord) == 12);

}  // namespace Vantor::Host
