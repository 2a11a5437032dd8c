// The host's property sheet records: the table entries an extension hands to the sheet, the
// image editors' records, and the signatures of the property exports, shared by the framework
// and the stand-in host.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sdk/host/HostRecords.h"
#include "sdk/host/PropValues.h"

namespace Vantor::Host {

// One entry of a sheet table; a run of them ends in an all-zero entry.
struct PropTableEntry {
    std::int32_t id;
    const wchar_t* name;
    const wchar_t* info;
    std::uint32_t type;  // 1000 + type ID; kFolderEndType; 27 + JSON index for a custom type
    std::uint32_t options;
    std::intptr_t creationParameter;
};
static_assert(sizeof(PropTableEntry) == 24);
static_assert(offsetof(PropTableEntry, name) == 4);
static_assert(offsetof(PropTableEntry, info) == 8);
static_assert(offsetof(PropTableEntry, type) == 12);
static_assert(offsetof(PropTableEntry, options) == 16);
static_assert(offsetof(PropTableEntry, creationParameter) == 20);

// 'INT ' has one slot more than the other classes: it stores a one-byte flag.
struct PropSIntOperations {
    PropOperations common;
    void(VANTOR_THISCALL* setFlag)(Prop* self, std::uint8_t flag);
};
static_assert(sizeof(PropSIntOperations) == 28);
static_assert(offsetof(PropSIntOperations, setFlag) == 24);

// The single-image editor's record.
struct EditImageRecord {
    std::uint32_t size;  // 24
    const wchar_t* title;
    std::uint32_t image;  // the handle in the low 16 bits
    std::uint32_t options;
    std::int32_t width;
    std::int32_t height;
};
static_assert(sizeof(EditImageRecord) == 24);
static_assert(offsetof(EditImageRecord, image) == 8);
static_assert(offsetof(EditImageRecord, height) == 20);

// The multi-image editor's record.
struct EditImagesRecord {
    std::uint32_t size;  // 40
    const wchar_t* title;
    std::int32_t count;  // the stored count on entry, the new one on return
    std::int32_t maxCount;
    std::uint32_t reserved;
    std::uint16_t* images;  // room for maxCount handles
    const wchar_t* const* titles;
    std::uint32_t options;
    std::int32_t width;
    std::int32_t height;
};
static_assert(sizeof(EditImagesRecord) == 40);
static_assert(offsetof(EditImagesRecord, count) == 8);
static_assert(offsetof(EditImagesRecord, images) == 20);
static_assert(offsetof(EditImagesRecord, titles) == 24);
static_assert(offsetof(EditImagesRecord, height) == 36);

// EnumElts' callbacks: an element (a font record or a 16-bit image handle), its kind, the two
// values the host passed.
using EnumElementFunction = std::int32_t(VANTOR_HOSTCALL*)(void* element, std::int32_t kind, std::int32_t user1,
                                                          std::int32_t user2);
constexpr std::int32_t kElementImage = 0;
constexpr std::int32_t kElementFont = 1;

// The property exports.
using GetPropertiesFunction = std::int32_t(VANTOR_HOSTCALL*)(mV*, void* edPtr, std::int32_t masterItem);
using ReleasePropertiesFunction = void(VANTOR_HOSTCALL*)(mV*, void* edPtr, std::int32_t masterItem);
using GetPropCreateParamFunction = std::intptr_t(VANTOR_HOSTCALL*)(mV*, void* edPtr, std::uint32_t id);
using ReleasePropCreateParamFunction = void(VANTOR_HOSTCALL*)(mV*, void* edPtr, std::uint32_t id,
                                                              std::intptr_t parameter);
using GetPropValueFunction = Prop*(VANTOR_HOSTCALL*)(mV*, void* edPtr, std::uint32_t id);
using SetPropValueFunction = void(VANTOR_HOSTCALL*)(mV*, void* edPtr, std::uint32_t id, Prop* value);
using GetPropCheckFunction = std::int32_t(VANTOR_HOSTCALL*)(mV*, void* edPtr, std::uint32_t id);
using SetPropCheckFunction = void(VANTOR_HOSTCALL*)(mV*, void* edPtr, std::uint32_t id, std::int32_t checked);
using IsPropEnabledFunction = std::int32_t(VANTOR_HOSTCALL*)(mV*, void* edPtr, std::uint32_t id);
using EditPropFunction = std::int32_t(VANTOR_HOSTCALL*)(mV*, void* edPtr, std::uint32_t id);
using EnumEltsFunction = std::int32_t(VANTOR_HOSTCALL*)(mV*, void* edPtr, EnumElementFunction enumerate,
                                                       EnumElementFunction undo, std::int32_t user1,
                                                       std::int32_t user2);

}  // namespace Vantor::Host
