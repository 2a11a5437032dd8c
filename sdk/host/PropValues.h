// The host's property value objects, as its C++ compiler lays them out: a pointer to a table of
// virtual operations first, then the value. The tables are declared as records of thiscall
// function pointers, not as C++ virtuals, because GCC and the host's compiler order virtual
// destructors differently; each side fills its own tables and calls the other's through these.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sdk/host/HostRecords.h"

#define VANTOR_THISCALL __attribute__((thiscall))

namespace Vantor::Host {

struct Prop;

// Four-character class IDs, as the host's multi-character constants give them.
enum PropClassId : std::uint32_t {
    kPropSInt = 0x494E5420,   // 'INT '
    kPropUInt = 0x44575244,   // 'DWRD'
    kPropFloat = 0x464C4F54,  // 'FLOT'
    kPropSize = 0x53495A45,   // 'SIZE'
    kPropBuff = 0x44415441,   // 'DATA'
    kPropWStr = 0x53545257,   // 'STRW'
    // The host's own classes, which extensions receive but never make.
    kPropInt64 = 0x494E5432,   // 'INT2', 8 bytes at offset 8
    kPropDouble = 0x44424C45,  // 'DBLE', 8 bytes at offset 8
    kPropAStr = 0x53545241,    // 'STRA', system code page text pointer at offset 8
};

struct PropOperations {
    // Slot 0: the destructor; frees the object itself when flags bit 0 is set.
    void*(VANTOR_THISCALL* destroy)(Prop* self, std::uint32_t flags);
    // Slot 1: frees the owned buffer, then the object. The host's way of releasing a value.
    void(VANTOR_THISCALL* deleteSelf)(Prop* self);
    Prop*(VANTOR_THISCALL* clone)(const Prop* self);
    std::int32_t(VANTOR_THISCALL* isEqual)(const Prop* self, const Prop* other);
    std::uint32_t(VANTOR_THISCALL* classId)(const Prop* self);
    // Slot 5: the value into a flat record; absent (null) in the base class.
    void(VANTOR_THISCALL* copyTo)(const Prop* self, void* record);
};

struct Prop {
    const PropOperations* operations;
};

struct PropSInt {
    const PropOperations* operations;
    std::int32_t value;
};

struct PropUInt {
    const PropOperations* operations;
    std::uint32_t value;
};

struct PropFloat {
    const PropOperations* operations;
    float value;
};

struct PropSize {
    const PropOperations* operations;
    std::int32_t width;
    std::int32_t height;
};

struct PropBuff {
    const PropOperations* operations;
    std::uint32_t size;
    std::uint8_t* bytes;
};

struct PropWStr {
    const PropOperations* operations;
    wchar_t* text;  // null is the empty text
};

// Host classes with an 8-byte value or a text pointer at offset 8.
struct PropWide {
    const PropOperations* operations;
    std::uint32_t reserved;
    std::uint8_t value[8];
};

struct PropAStr {
    const PropOperations* operations;
    std::uint32_t reserved;
    char* text;
};

static_assert(sizeof(PropOperations) == 24);
static_assert(offsetof(PropOperations, deleteSelf) == 4);
static_assert(offsetof(PropOperations, classId) == 16);
static_assert(offsetof(PropOperations, copyTo) == 20);
static_assert(sizeof(PropSInt) == 8 && offsetof(PropSInt, value) == 4);
static_assert(sizeof(PropUInt) == 8 && offsetof(PropUInt, value) == 4);
static_assert(sizeof(PropFloat) == 8 && offsetof(PropFloat, value) == 4);
static_assert(sizeof(PropSize) == 12 && offsetof(PropSize, height) == 8);
static_assert(sizeof(PropBuff) == 12 && offsetof(PropBuff, bytes) == 8);
static_assert(sizeof(PropWStr) == 8 && offsetof(PropWStr, text) == 4);
static_assert(sizeof(PropWide) == 16 && offsetof(PropWide, value) == 8);
static_assert(sizeof(PropAStr) == 12 && offsetof(PropAStr, text) == 8);

// The class ID of any value object, through its own table.
inline std::uint32_t ClassIdOf(const Prop* prop) { return prop->operations->classId(prop); }
// Releases a value object the other side made, through its own table.
inline void Release(Prop* prop)
{
    if (prop != nullptr)
        prop->operations->deleteSelf(prop);
}

}  // namespace Vantor::Host
