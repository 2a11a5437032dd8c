#include "standins/host/sheet/HostValues.h"

#include <cstring>

namespace StandinHost {
namespace {

using Vantor::Host::Prop;
using Vantor::Host::PropOperations;

// One layout serves every class here: the table, then up to eight value bytes or a buffer.
struct HostValue {
    const PropOperations* operations;
    std::uint32_t first;
    std::uint8_t* second;  // the second word, or a buffer's bytes
    std::uint32_t classId;
};

HostValue& Of(Prop* self) { return *reinterpret_cast<HostValue*>(self); }
const HostValue& Of(const Prop* self) { return *reinterpret_cast<const HostValue*>(self); }

void* VANTOR_THISCALL Destroy(Prop* self, std::uint32_t flags)
{
    if (flags & 1)
        delete &Of(self);
    return self;
}
void VANTOR_THISCALL DeleteSelf(Prop* self)
{
    if (Of(self).classId == Vantor::Host::kPropBuff)
        delete[] Of(self).second;
    Destroy(self, 1);
}
Prop* VANTOR_THISCALL Clone(const Prop*) { return nullptr; }
std::int32_t VANTOR_THISCALL IsEqual(const Prop*, const Prop*) { return 0; }
std::uint32_t VANTOR_THISCALL ClassId(const Prop* self) { return Of(self).classId; }
void VANTOR_THISCALL CopyTo(const Prop*, void*) {}

constexpr PropOperations kOperations{&Destroy, &DeleteSelf, &Clone, &IsEqual, &ClassId, &CopyTo};

Prop* Make(std::uint32_t classId, std::uint32_t first, std::uint8_t* second)
{
    return reinterpret_cast<Prop*>(new HostValue{&kOperations, first, second, classId});
}

std::uint8_t* Word(std::uint32_t word)
{
    std::uint8_t* pointer = nullptr;
    std::memcpy(&pointer, &word, sizeof word);
    return pointer;
}

}  // namespace

Prop* MakeHostSInt(std::int32_t value) { return Make(Vantor::Host::kPropSInt, static_cast<std::uint32_t>(value), nullptr); }
Prop* MakeHostUInt(std::uint32_t value) { return Make(Vantor::Host::kPropUInt, value, nullptr); }
Prop* MakeHostFloat(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return Make(Vantor::Host::kPropFloat, bits, nullptr);
}
Prop* MakeHostSize(std::int32_t width, std::int32_t height)
{
    return Make(Vantor::Host::kPropSize, static_cast<std::uint32_t>(width), Word(static_cast<std::uint32_t>(height)));
}
Prop* MakeHostBuff(const std::vector<std::uint8_t>& bytes)
{
    auto* copy = new std::uint8_t[bytes.empty() ? 1 : bytes.size()];
    if (!bytes.empty())
        std::memcpy(copy, bytes.data(), bytes.size());
    return Make(Vantor::Host::kPropBuff, static_cast<std::uint32_t>(bytes.size()), copy);
}
Prop* MakeHostForeign(std::uint32_t classId) { return Make(classId, 0, nullptr); }

}  // namespace StandinHost
