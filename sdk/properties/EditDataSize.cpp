#include "sdk/properties/EditDataSize.h"

#include <algorithm>
#include <string>

#include "sdk/definition/Json.h"
#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

bool IsFourByteType(std::string_view type)
{
    for (std::string_view name : {"Editbox Number", "Edit spin", "Edit slider", "Color", "Edit direction",
                                  "Editbox Float", "Edit spin float"})
        if (EqualsIgnoringAsciiCase(type, name))
            return true;
    return false;
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
    const std::size_t count = ElementCount(properties);
    std::uint64_t size = kEditDataHeaderSize + CheckboxBytes(count);

    for (std::size_t index = 0; index < count; ++index) {
        const json_value& property = Element(properties, index);
        const std::string_view type = Text(Member(property, "Type"));
        size += sizeof(Properties::Data);
        if (!IsTitleless(type))
            size += std::min(Text(Member(property, "Title")).size(), kLongestTitle);

        if (IsTextType(type)) {
            size += DefaultTextLength(property);
        } else if (StartsWithIgnoreCase(type, "Combo Box")) {
            if (const EntryListSet* set = FindEntryListSet(sets, index))
                size += sizeof(Properties::RuntimePropSet) + set->setName.size();
            else
                size += 1 + DefaultTextLength(property);
        } else if (IsFourByteType(type)) {
            size += 4;
        } else if (EqualsIgnoringAsciiCase(type, "Size")) {
            size += 8;
        } else if (EqualsIgnoringAsciiCase(type, "Image List")) {
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
