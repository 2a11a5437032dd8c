#include "sdk/properties/SheetProps.h"

#include <cstring>
#include <cwchar>
#include <windows.h>

#include "sdk/host/PropertySheet.h"
#include "sdk/text/Utf.h"

namespace Vantor {
namespace {

using namespace Host;

wchar_t* CopyText(const wchar_t* text)
{
    if (text == nullptr)
        return nullptr;
    const std::size_t length = std::wcslen(text);
    auto* copy = new wchar_t[length + 1];
    std::wmemcpy(copy, text, length + 1);
    return copy;
}

// What differs between the classes: the owned buffer, the deep copy, the comparison and the
// flat record.
void FreeOwned(PropSInt&) {}
void FreeOwned(PropUInt&) {}
void FreeOwned(PropFloat&) {}
void FreeOwned(PropSize&) {}
void FreeOwned(PropBuff& prop) { delete[] prop.bytes; }
void FreeOwned(PropWStr& prop) { delete[] prop.text; }

template <class T> T DeepCopy(const T& prop) { return prop; }
PropBuff DeepCopy(const PropBuff& prop)
{
    auto* bytes = new std::uint8_t[prop.size == 0 ? 1 : prop.size];
    if (prop.size != 0)
        std::memcpy(bytes, prop.bytes, prop.size);
    return {prop.operations, prop.size, bytes};
}
PropWStr DeepCopy(const PropWStr& prop) { return {prop.operations, CopyText(prop.text)}; }

bool Equal(const PropSInt& a, const PropSInt& b) { return a.value == b.value; }
bool Equal(const PropUInt& a, const PropUInt& b) { return a.value == b.value; }
bool Equal(const PropFloat& a, const PropFloat& b) { return a.value == b.value; }
bool Equal(const PropSize& a, const PropSize& b) { return a.width == b.width && a.height == b.height; }
bool Equal(const PropBuff& a, const PropBuff& b)
{
    return a.size == b.size && (a.size == 0 || std::memcmp(a.bytes, b.bytes, a.size) == 0);
}
bool Equal(const PropWStr& a, const PropWStr& b)
{
    return a.text == b.text || a.text == nullptr || b.text == nullptr || std::wcscmp(a.text, b.text) == 0;
}

void CopyOut(const PropSInt& prop, void* record) { std::memcpy(record, &prop.value, 4); }
void CopyOut(const PropUInt& prop, void* record) { std::memcpy(record, &prop.value, 4); }
void CopyOut(const PropFloat& prop, void* record) { std::memcpy(record, &prop.value, 4); }
void CopyOut(const PropSize& prop, void* record) { std::memcpy(record, &prop.width, 8); }
void CopyOut(const PropBuff& prop, void* record)
{
    std::memcpy(record, &prop.size, 4);
    if (prop.size != 0)
        std::memcpy(static_cast<std::uint8_t*>(record) + 4, prop.bytes, prop.size);
}
void CopyOut(const PropWStr& prop, void* record)
{
    const auto length = static_cast<std::uint32_t>(prop.text ? std::wcslen(prop.text) : 0);
    std::memcpy(record, &length, 4);
    if (length != 0)
        std::memcpy(static_cast<std::uint8_t*>(record) + 4, prop.text, length * sizeof(wchar_t));
}

template <class T, std::uint32_t kClassId> struct ValueClass {
    static T& Of(Prop* self) { return *reinterpret_cast<T*>(self); }
    static const T& Of(const Prop* self) { return *reinterpret_cast<const T*>(self); }

    static void* VANTOR_THISCALL Destroy(Prop* self, std::uint32_t flags)
    {
        if (flags & 1)
            delete &Of(self);
        return self;
    }
    static void VANTOR_THISCALL DeleteSelf(Prop* self)
    {
        FreeOwned(Of(self));
        Destroy(self, 1);
    }
    static Prop* VANTOR_THISCALL Clone(const Prop* self) { return reinterpret_cast<Prop*>(new T(DeepCopy(Of(self)))); }
    static std::int32_t VANTOR_THISCALL IsEqual(const Prop* self, const Prop* other)
    {
        return other != nullptr && Equal(Of(self), Of(other)) ? 1 : 0;
    }
    static std::uint32_t VANTOR_THISCALL ClassId(const Prop*) { return kClassId; }
    static void VANTOR_THISCALL CopyTo(const Prop* self, void* record) { CopyOut(Of(self), record); }
    // The frame's integer objects keep no flag: the host sets it only on its own.
    static void VANTOR_THISCALL SetFlag(Prop*, std::uint8_t) {}

    static constexpr PropOperations kOperations{&Destroy, &DeleteSelf, &Clone, &IsEqual, &ClassId, &CopyTo};
};

using SIntClass = ValueClass<PropSInt, kPropSInt>;
constexpr PropSIntOperations kSIntOperations{SIntClass::kOperations, &SIntClass::SetFlag};

template <class T> Prop* Handed(T* prop) { return reinterpret_cast<Prop*>(prop); }

wchar_t* HostText(std::string_view utf8)
{
    const std::wstring text = ToUtf16(utf8);
    auto* copy = new wchar_t[text.size() + 1];
    std::wmemcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

std::vector<std::uint8_t> Utf8Bytes(std::wstring_view text)
{
    const std::string utf8 = ToUtf8(text);
    return {utf8.begin(), utf8.end()};
}

HostValueRead Read(ValueForm form, std::vector<std::uint8_t> bytes) { return {HostValue{form, std::move(bytes)}, {}}; }

template <class T> std::vector<std::uint8_t> BytesOf(const T& field)
{
    std::vector<std::uint8_t> bytes(sizeof field);
    std::memcpy(bytes.data(), &field, sizeof field);
    return bytes;
}

}  // namespace

Prop* MakeHostValue(const SheetValue& value)
{
    switch (value.kind) {
    case SheetValue::Kind::None:
        return nullptr;
    case SheetValue::Kind::Text:
        return Handed(new PropWStr{&ValueClass<PropWStr, kPropWStr>::kOperations, HostText(value.text)});
    case SheetValue::Kind::Signed:
        return Handed(new PropSInt{&kSIntOperations.common, value.first});
    case SheetValue::Kind::Unsigned:
        return Handed(new PropUInt{&ValueClass<PropUInt, kPropUInt>::kOperations, static_cast<std::uint32_t>(value.first)});
    case SheetValue::Kind::Float:
        return Handed(new PropFloat{&ValueClass<PropFloat, kPropFloat>::kOperations, value.real});
    case SheetValue::Kind::Size:
        return Handed(new PropSize{&ValueClass<PropSize, kPropSize>::kOperations, value.first, value.second});
    case SheetValue::Kind::Data: {
        const PropBuff source{&ValueClass<PropBuff, kPropBuff>::kOperations, static_cast<std::uint32_t>(value.data.size()),
            const_cast<std::uint8_t*>(value.data.data())};
        return Handed(new PropBuff(DeepCopy(source)));
    }
    }
    return nullptr;
}

HostValueRead ReadHostValue(const Prop* value, bool textProperty)
{
    if (value == nullptr || value->operations == nullptr) {
        return {std::nullopt, "The host handed over no value."};
    }
    switch (ClassIdOf(value)) {
    case kPropSInt:
    case kPropUInt:
        return Read(ValueForm::Integer, BytesOf(reinterpret_cast<const PropSInt*>(value)->value));
    case kPropFloat:
        return Read(ValueForm::Float, BytesOf(reinterpret_cast<const PropFloat*>(value)->value));
    case kPropSize: {
        const auto* size = reinterpret_cast<const PropSize*>(value);
        std::vector<std::uint8_t> bytes = BytesOf(size->width);
        const std::vector<std::uint8_t> height = BytesOf(size->height);
        bytes.insert(bytes.end(), height.begin(), height.end());
        return Read(ValueForm::Size, bytes);
    }
    case kPropInt64:
    case kPropDouble: {
        const auto* wide = reinterpret_cast<const PropWide*>(value);
        return Read(ValueForm::Wide, std::vector<std::uint8_t>(wide->value, wide->value + sizeof wide->value));
    }
    case kPropWStr: {
        const wchar_t* text = reinterpret_cast<const PropWStr*>(value)->text;
        return Read(ValueForm::Text, Utf8Bytes(text ? std::wstring_view(text) : std::wstring_view()));
    }
    case kPropAStr: {
        const char* text = reinterpret_cast<const PropAStr*>(value)->text;
        if (text == nullptr || *text == '\0')
            return Read(ValueForm::Text, {});
        const int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        std::wstring wide(units > 0 ? static_cast<std::size_t>(units) : 0, L'\0');
        if (units > 0)
            MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), units);
        if (!wide.empty())
            wide.pop_back();  // the terminator
        return Read(ValueForm::Text, Utf8Bytes(wide));
    }
    case kPropBuff: {
        const auto* buff = reinterpret_cast<const PropBuff*>(value);
        if (buff->size != 0 && buff->bytes == nullptr) {
            return {std::nullopt, "The host handed over a buffer of " + std::to_string(buff->size) + " bytes without its bytes."};
        }
        if (!textProperty)
            return Read(ValueForm::Data, std::vector<std::uint8_t>(buff->bytes, buff->bytes + buff->size));
        std::wstring text(buff->size / sizeof(wchar_t), L'\0');
        if (!text.empty())
            std::memcpy(text.data(), buff->bytes, text.size() * sizeof(wchar_t));
        text.resize(std::wcslen(text.c_str()));  // up to a terminator the buffer holds
        return Read(ValueForm::Text, Utf8Bytes(text));
    }
    default:
        return {std::nullopt, "Assuming class ID " + std::to_string(ClassIdOf(value)) + " is custom - but no custom code yet written.", true};
    }
}

}  // namespace Vantor
