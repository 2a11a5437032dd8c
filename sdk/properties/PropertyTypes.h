// The fixed table of property type names; a type's ID is its index here, in the definition,
// in the stored records and, plus 1000, in the host's property sheet.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace Vantor {

enum PropertyTypeId : std::uint16_t {
    kStartItem = 0,
    kStaticText = 1,
    kFolder = 2,
    kFolderEnd = 3,
    kEditButton = 4,
    kEditString = 5,
    kEditNumber = 6,
    kComboBox = 7,
    kSize = 8,
    kColor = 9,
    kCheckbox = 10,
    kSlider = 11,
    kSpin = 12,
    kDirection = 13,
    kGroup = 14,
    kListButton = 15,
    kEditFile = 16,
    kFont = 17,
    kCustom = 18,
    kEditImageFile = 19,
    kComboBoxButton = 20,
    kEditFloat = 21,
    kEditMultiline = 22,
    kImageList = 23,
    kComboBoxIcons = 24,
    kUrlButton = 25,
    kEditFolder = 26,
    kSpinFloat = 27,
};

constexpr std::size_t kPropertyTypeCount = 28;
extern const std::array<std::string_view, kPropertyTypeCount> kPropertyTypeNames;

// The ID of a "Type" name, ignoring ASCII case; none for names outside the table.
std::optional<PropertyTypeId> PropertyTypeFromName(std::string_view name);

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

// Types whose records store no title: "Text", "Folder…", "Edit button", "Group".
bool IsTitleless(std::string_view typeName);
// Title-less types and "Checkbox": nothing but the record head is stored.
bool IsValueless(std::string_view typeName);
// Types whose stored value is a UTF-8 text; combo boxes only when asked.
bool IsTextType(std::string_view typeName, bool includeComboBoxes = false);

// Classes of stored type IDs, as the run-time reads tell them apart.
// "Combo Box", "Combo Box Button", "Combo Box Icons": a list value or a property set record.
bool IsComboBoxId(std::uint16_t typeId);
// The types whose stored value GetPropertyStr returns as it is.
bool IsStoredTextId(std::uint16_t typeId);
// A signed 32-bit integer: number, colour, slider, spin, direction.
bool IsStoredIntegerId(std::uint16_t typeId);
// An IEEE 754 single: "Editbox Float", "Edit spin float".
bool IsStoredFloatId(std::uint16_t typeId);

}  // namespace Vantor
