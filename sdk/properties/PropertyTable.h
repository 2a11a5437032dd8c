// The host property table as the definition describes it: one entry per usable JSON property,
// with its kind, options and creation parameter, in UTF-8. The Windows edge turns it into the
// host's PropTableEntry records once per process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/properties/Problem.h"
#include "sdk/properties/PropertySetDeclarations.h"

struct _json_value;

namespace Vantor {

// What the host's sheet takes in a table entry's ID, type and options fields.
constexpr std::int32_t kFolderEndId = 0x7FFFF;
constexpr std::uint32_t kFolderEndType = 3;
constexpr std::uint32_t kNamedTypeBase = 1000;
constexpr std::uint32_t kCustomTypeBase = 27;

enum PropOption : std::uint32_t {
    kOptionCheckbox = 0x1,
    kOptionBold = 0x2,
    kOptionParameter = 0x4,
    kOptionRemovable = 0x8,
    kOptionRenameable = 0x10,
    kOptionMoveable = 0x20,
    kOptionList = 0x40,
    kOptionSingleSelect = 0x80,
    kOptionPassword = 0x10000,
    kOptionLowerCase = 0x20000,
    kOptionUpperCase = 0x40000,
};


struct CreationParameter {
    enum class Kind {
        None,
        Caption,      // an "Edit button" caption: text
        MaxLength,    // one integer: values[0]
        Items,        // a list of texts: items
        PresetSizes,  // width, height pairs then 0, 0: values
        MinMax,       // minimum, maximum: values
    };
    Kind kind = Kind::None;
    std::string text;
    std::vector<std::string> items;
    std::vector<std::int32_t> values;
};

struct TableEntry {
    std::size_t jsonIndex;
    std::int32_t id;  // kFirstPropertyId + jsonIndex; kFolderEndId for a "FolderEnd"
    std::string name;
    std::string info;
    std::uint32_t type;  // 1000 + type ID; 3 for "FolderEnd"; 27 + JSON index for a custom type
    std::uint32_t options;
    CreationParameter parameter;
};

struct PropertyTableDraft {
    std::vector<TableEntry> entries;  // in JSON order; refused properties left out
    // Per JSON index, the position of its entry; none for a refused property.
    std::vector<std::optional<std::size_t>> positionOf;
    std::vector<std::size_t> customProperties;  // JSON indices, each shown an information box
    std::vector<Problem> boxes;
};

struct PropertyTableSource {
    const _json_value& properties;  // the current language's "Properties"; JsonNone() when absent
    const std::vector<PropSet>& sets;
    std::string_view languageName;
    std::string_view projectName;  // begins the parser's box titles
};

PropertyTableDraft BuildPropertyTable(const PropertyTableSource& source);

}  // namespace Vantor
