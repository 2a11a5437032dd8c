// The host's records and service signatures, byte for byte as the host lays them out.
// Shared by the framework and the stand-in host so the two sides can never drift apart.
#pragma once

#include <cstddef>
#include <cstdint>

static_assert(sizeof(void*) == 4, "host records are laid out for the 32-bit host");

#define VANTOR_HOSTCALL __stdcall

namespace Vantor::Host {

// The host's version function (no arguments) and its call-function service
// (EDITDATA or null, function code, three arguments).
using VersionFunction = std::uint32_t(VANTOR_HOSTCALL*)();
using CallFunction = std::uint32_t(VANTOR_HOSTCALL*)(void* edPtr, std::int32_t code, std::intptr_t arg1,
                                                   std::intptr_t arg2, std::intptr_t arg3);

// Call-function service codes the framework uses.
enum CallFunctionCode : std::int32_t {
    kCallInsertProperties = 1,  // zero-terminated run of PropTableEntry, sheet ID to insert after, 1
    kCallRemoveProperty = 2,    // property ID
    kCallRemoveProperties = 3,  // zero-terminated run of PropTableEntry
    kCallRefreshProperty = 4,   // property ID, 1 to re-create the control, 0 for its value only
    kCallResizeEditData = 5,    // current EDITDATA, new size: the new EDITDATA or null
    kCallGetObjectProperty = 6, // property code: a host Prop the caller releases
    kCallLoadObject = 18,
    kCallObjectListEntryIsLarge = 112,
    kCallIsUnicode = 113,
};

// kCallGetObjectProperty's code for the object's name, a Prop_WStr.
constexpr std::intptr_t kObjectPropertyName = 403;

// The host's application record handed to Initialize, LoadObject and the editor exports.
// Only the fields the framework reads are named.
// The image editors' records are declared with the property sheet that fills them.
using EditImageFunction = std::int32_t(VANTOR_HOSTCALL*)(void* edPtr, void* editRecord, void* window);

struct mV {
    std::uint8_t reserved0[16];
    void* window;        // owner window: non-null in the editor
    void* editorWindow;  // parent for the host's editors
    std::uint8_t reserved24[16];
    void* imageFilterManager;
    std::uint8_t reserved44[8];
    std::uint32_t currentApplication;  // changes when another application is opened
    std::uint8_t reserved56[280];
    VersionFunction getVersion;
    CallFunction callFunction;
    std::uint8_t reserved344[12];
    EditImageFunction editImage;   // one image; 1 when the user confirmed
    EditImageFunction editImages;  // an image list; 1 when the user confirmed
};
static_assert(offsetof(mV, window) == 16);
static_assert(offsetof(mV, editorWindow) == 20);
static_assert(offsetof(mV, imageFilterManager) == 40);
static_assert(offsetof(mV, currentApplication) == 52);
static_assert(offsetof(mV, getVersion) == 336);
static_assert(offsetof(mV, callFunction) == 340);
static_assert(offsetof(mV, editImage) == 356);
static_assert(offsetof(mV, editImages) == 360);
static_assert(sizeof(mV) == 364);

// Host versions: Fusion 2.5 has 0x0205 in the high word; bits 0xF000 of the
// low word hold 0x4000 for the Developer edition.
constexpr std::uint32_t kFusion25 = 0x02050000u;
constexpr bool IsFusion25(std::uint32_t version) { return (version & 0xFFFF0000u) == kFusion25; }
constexpr bool IsDeveloperEdition(std::uint32_t version) { return (version & 0xF000u) == 0x4000u; }

#pragma pack(push, 2)
// The run-object description that GetRunObjectInfos fills.
struct RunInfos {
    void* conditions;
    void* actions;
    void* expressions;
    std::uint16_t numConditions;
    std::uint16_t numActions;
    std::uint16_t numExpressions;
    std::uint16_t editDataSize;
    std::uint32_t oeFlags;
    std::uint8_t windowProcPriority;
    std::uint8_t reserved25;
    std::uint16_t loadPreferences;
    std::uint32_t identifier;
    std::uint16_t version;
};
#pragma pack(pop)
static_assert(offsetof(RunInfos, numConditions) == 12);
static_assert(offsetof(RunInfos, editDataSize) == 18);
static_assert(offsetof(RunInfos, oeFlags) == 20);
static_assert(offsetof(RunInfos, windowProcPriority) == 24);
static_assert(offsetof(RunInfos, loadPreferences) == 26);
static_assert(offsetof(RunInfos, identifier) == 28);
static_assert(offsetof(RunInfos, version) == 32);
static_assert(sizeof(RunInfos) == 34);

}  // namespace Vantor::Host
