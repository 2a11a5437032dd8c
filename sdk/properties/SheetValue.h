// The value the property sheet shows for a property, read from its stored record (or, for
// static texts and buttons, from the definition), before the edge wraps it in a host value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/Problem.h"
#include "sdk/properties/PropertyLookup.h"

namespace Vantor {

struct SheetValue {
    enum class Kind {
        None,      // a checkbox or a folder: the sheet shows no value
        Text,      // text, UTF-8
        Signed,    // first
        Unsigned,  // first: a list's item index or a set's shown entry
        Float,     // real
        Size,      // first, second
        Data,      // data
    };
    Kind kind = Kind::None;
    std::string text;
    std::int32_t first = 0;
    std::int32_t second = 0;
    float real = 0.0f;
    std::vector<std::uint8_t> data;
};

// The header's extension version against this library's; a box when the sheet must not read
// the block.
std::optional<Problem> SheetVersionProblem(const EditDataHeader& header, std::string_view projectName);

// block: the whole EDITDATA, bounded by its extSize.
Result<SheetValue> ReadSheetValue(
    std::span<const std::uint8_t> block, const PropertyDefinition& definition, std::size_t jsonIndex,
    std::string_view projectName);

}  // namespace Vantor
