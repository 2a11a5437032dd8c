#include "sdk/properties/EditDataSize.h"

#include <algorithm>

#include "sdk/definition/Json.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

constexpr std::size_t kRecordHeadSize = 9;
constexpr std::size_t kLongestCountedTitle = 254;
constexpr std::size_t kSetRecordHeadSize = 11;

bool IsFourByteType(std::string_view type)
{
    for (std::string_view name : {"Editbox Number", "Edit spin", "Edit slider", "Color", "Edit direction",
                                  "Editbox Float", "Edit spin float"})
        if (EqualsIgnoreCase(type, name))
            return true;
    return false;
}

const std::string* SetNameOf(const EntryListSetNames& sets, std::size_t index)
{
    for (const auto& [entryList, name] : sets)
        if (entryList == index)
            return &name;
    return nullptr;
}

std::size_t DefaultTextLength(const json_value& property)
{
    const json_value& value = Member(property, "DefaultState");
    return IsString(value) ? Text(value).size() : 0;
}

}  // namespace

std::uint16_t EditDataSizeFromJson(const json_value& properties, const EntryListSetNames& sets,
                                   std::string_view languageName, Reports& reports)
{
    const std::size_t count = IsArray(properties) ? properties.u.array.length : 0;
    std::uint64_t size = kEditDataHeaderSize + (count + 7) / 8;

    for (std::size_t index = 0; index < count; ++index) {
        const json_value& property = Element(properties, index);
        const std::string_view type = Text(Member(property, "Type"));
        size += kRecordHeadSize;
        if (!IsTitleless(type))
            size += std::min(Text(Member(property, "Title")).size(), kLongestCountedTitle);

        if (IsTextType(type)) {
            size += DefaultTextLength(property);
        } else if (StartsWithIgnoreCase(type, "Combo Box")) {
            if (const std::string* setName = SetNameOf(sets, index))
                size += kSetRecordHeadSize + setName->size();
            else
                size += 1 + DefaultTextLength(property);
        } else if (IsFourByteType(type)) {
            size += 4;
        } else if (EqualsIgnoreCase(type, "Size")) {
            size += 8;
        } else if (EqualsIgnoreCase(type, "Image List")) {
            const auto images = static_cast<std::uint64_t>(Integer(Member(property, "NumImages")));
            size += 2 * ((images + 1) & 0xFFFF);
        } else if (!IsValueless(type)) {
            reports.push_back({"GetEDITDATASizeFromJSON failed",
                               "Calculation of edittime property size can't understand property type \""
                                   + std::string(type) + "\". (" + std::string(languageName) + ")"});
        }
    }

    if (size >= kEditDataSizeLimit)
        reports.push_back({"EDITDATA too large!", "The JSON extension properties use more than "
                                                      + std::to_string(kEditDataSizeLimit)
                                                      + " bytes to store, and are too large for Fusion. ("
                                                      + std::string(languageName) + ")"});
    return static_cast<std::uint16_t>(size & 0xFFFF);
}

}  // namespace Vantor
