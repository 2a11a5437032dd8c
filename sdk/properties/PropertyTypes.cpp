#include "sdk/properties/PropertyTypes.h"

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

static char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::optional<PropertyTypeId> PropertyTypeFromName(std::string_view name)
{
    for (std::size_t id = 0; id < kPropertyTypeNames.size(); ++id)
        if (EqualsIgnoreCase(name, kPropertyTypeNames[id]))
            return static_cast<PropertyTypeId>(id);
    return std::nullopt;
}

bool IsTitleless(std::string_view typeName)
{
    return EqualsIgnoreCase(typeName, "Text") || StartsWithIgnoreCase(typeName, "Folder")
        || EqualsIgnoreCase(typeName, "Edit button") || EqualsIgnoreCase(typeName, "Group");
}

bool IsValueless(std::string_view typeName)
{
    return IsTitleless(typeName) || EqualsIgnoreCase(typeName, "Checkbox");
}

bool IsTextType(std::string_view typeName, bool includeComboBoxes)
{
    return StartsWithIgnoreCase(typeName, "Editbox String") || EqualsIgnoreCase(typeName, "Editbox File")
        || EqualsIgnoreCase(typeName, "Editbox Image File") || EqualsIgnoreCase(typeName, "URL button")
        || EqualsIgnoreCase(typeName, "Editbox Folder")
        || (includeComboBoxes && StartsWithIgnoreCase(typeName, "Combo Box"));
}

}  // namespace Vantor
