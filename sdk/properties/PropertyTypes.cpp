#include "sdk/properties/PropertyTypes.h"

#include "sdk/definition/Json.h"

namespace Vantor {

const std::array<std::string_view, kPropertyTypeCount> kPropertyTypeNames = {
    "!Start item",   "Text",           "Folder",         "FolderEnd",
    "Edit button",   "Editbox String", "Editbox Number", "Combo Box",
    "Size",          "Color",          "Checkbox",       "Edit slider",
    "Edit spin",     "Edit direction", "Group",          "!List button",
    "Editbox File",  "Font",           "Custom",         "Editbox Image File",
    "Combo Box Button", "Editbox Float", "Editbox String Multiline", "Image List",
    "Combo Box Icons", "URL button",   "Editbox Folder", "Edit spin float",
};

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

std::optional<PropertyTypeId> PropertyTypeFromName(std::string_view name)
{
    for (std::size_t id = 0; id < kPropertyTypeNames.size(); ++id)
        if (EqualsIgnoringAsciiCase(name, kPropertyTypeNames[id]))
            return static_cast<PropertyTypeId>(id);
    return std::nullopt;
}

bool IsTitleless(std::string_view typeName)
{
    return EqualsIgnoringAsciiCase(typeName, "Text") || StartsWithIgnoreCase(typeName, "Folder")
        || EqualsIgnoringAsciiCase(typeName, "Edit button") || EqualsIgnoringAsciiCase(typeName, "Group");
}

bool IsValueless(std::string_view typeName)
{
    return IsTitleless(typeName) || EqualsIgnoringAsciiCase(typeName, "Checkbox");
}

bool IsTextType(std::string_view typeName, bool includeComboBoxes)
{
    return StartsWithIgnoreCase(typeName, "Editbox String") || EqualsIgnoringAsciiCase(typeName, "Editbox File")
        || EqualsIgnoringAsciiCase(typeName, "Editbox Image File") || EqualsIgnoringAsciiCase(typeName, "URL button")
        || EqualsIgnoringAsciiCase(typeName, "Editbox Folder")
        || (includeComboBoxes && StartsWithIgnoreCase(typeName, "Combo Box"));
}

bool IsComboBoxId(std::uint16_t typeId)
{
    return typeId == kComboBox || typeId == kComboBoxButton || typeId == kComboBoxIcons;
}

bool IsStoredTextId(std::uint16_t typeId)
{
    return typeId == kEditString || typeId == kEditMultiline || typeId == kEditFile || typeId == kEditImageFile
        || typeId == kEditFolder;
}

bool IsStoredIntegerId(std::uint16_t typeId)
{
    return typeId == kEditNumber || typeId == kColor || typeId == kSlider || typeId == kSpin
        || typeId == kDirection;
}

bool IsStoredFloatId(std::uint16_t typeId)
{
    return typeId == kEditFloat || typeId == kSpinFloat;
}

}  // namespace Vantor
