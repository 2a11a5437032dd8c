#include "standins/host/HostProps.h"

#include <atomic>
#include <cstring>
#include <cwchar>
#include <new>

namespace StandinHost {
namespace {

using Vantor::Host::Prop;
using Vantor::Host::PropWStr;

std::atomic<std::size_t> live{0};

wchar_t* CopyText(const wchar_t* text)
{
    if (text == nullptr)
        return nullptr;
    const std::size_t length = std::wcslen(text);
    wchar_t* copy = new wchar_t[length + 1];
    std::wmemcpy(copy, text, length + 1);
    return copy;
}

void* VANTOR_THISCALL Destroy(Prop* self, std::uint32_t flags)
{
    if (flags & 1) {
        delete reinterpret_cast<PropWStr*>(self);
        --live;
    }
    return self;
}

void VANTOR_THISCALL DeleteSelf(Prop* self)
{
    delete[] reinterpret_cast<PropWStr*>(self)->text;
    Destroy(self, 1);
}

Prop* VANTOR_THISCALL Clone(const Prop* self);

std::int32_t VANTOR_THISCALL IsEqual(const Prop* self, const Prop* other)
{
    const wchar_t* a = reinterpret_cast<const PropWStr*>(self)->text;
    const wchar_t* b = reinterpret_cast<const PropWStr*>(other)->text;
    return a == b || a == nullptr || b == nullptr || std::wcscmp(a, b) == 0;
}

std::uint32_t VANTOR_THISCALL ClassId(const Prop*) { return Vantor::Host::kPropWStr; }

void VANTOR_THISCALL CopyTo(const Prop* self, void* record)
{
    const wchar_t* text = reinterpret_cast<const PropWStr*>(self)->text;
    const std::uint32_t length = text != nullptr ? static_cast<std::uint32_t>(std::wcslen(text)) : 0;
    std::memcpy(record, &length, sizeof length);
    if (length != 0)
        std::memcpy(static_cast<std::uint8_t*>(record) + sizeof length, text, length * sizeof(wchar_t));
}

constexpr Vantor::Host::PropOperations kWStrOperations{&Destroy, &DeleteSelf, &Clone, &IsEqual, &ClassId, &CopyTo};

Prop* VANTOR_THISCALL Clone(const Prop* self)
{
    auto* copy = new PropWStr{&kWStrOperations, CopyText(reinterpret_cast<const PropWStr*>(self)->text)};
    ++live;
    return reinterpret_cast<Prop*>(copy);
}

}  // namespace

Prop* MakeHostWStr(std::wstring_view text)
{
    wchar_t* copy = new wchar_t[text.size() + 1];
    std::wmemcpy(copy, text.data(), text.size());
    copy[text.size()] = L'\0';
    ++live;
    return reinterpret_cast<Prop*>(new PropWStr{&kWStrOperations, copy});
}

std::size_t LiveHostProps() { return live.load(); }

}  // namespace StandinHost
