// A value typed into the property sheet, planned as the whole new block: the old block with
// one record's value replaced and the sizes that follow from it. The host's block is only
// rewritten once the host has made room, so a refused resize leaves it as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "sdk/properties/Problem.h"
#include "sdk/properties/PropertyLookup.h"
#include "sdk/properties/PropertySetDeclarations.h"

namespace Vantor {

// What kind of value the host handed over, from its value class.
enum class ValueForm {
    Integer,  // 4 bytes: 'INT ', 'DWRD'
    Float,    // 4 bytes: 'FLOT'
    Size,     // 8 bytes: 'SIZE'
    Wide,     // 8 bytes: 'INT2', 'DBLE'
    Text,     // UTF-8 without terminator: 'STRW', 'STRA', or 'DATA' for a text property
    Data,     // raw bytes: 'DATA'
};

struct ChangeSource {
    PropertyDefinition definition;
    const std::vector<PropSet>& sets;
};

struct ChangePlan {
    enum class Kind {
        Rewrite,         // block: the new EDITDATA
        SelectSetEntry,  // a set's list changed: show entry `selection` instead
        Cancelled,       // the user kept the block as it was
    };
    Kind kind = Kind::Rewrite;
    std::vector<std::uint8_t> block;
    bool resized = false;            // the block's size differs from the old one
    std::uint32_t selection = 0;
    const PropSet* renamedSet = nullptr;  // its name box changed: its list must show the new name
    std::vector<Problem> boxes;      // shown, and the change goes on
};

// Asked whether to go on when extSize and the header's size disagree; true takes extSize.
using SizeMismatchQuestion = std::function<bool(const Problem& question)>;

// block: the whole EDITDATA, bounded by its extSize.
Result<ChangePlan> PlanChange(std::span<const std::uint8_t> block, const ChangeSource& source, std::size_t jsonIndex,
    ValueForm form, std::span<const std::uint8_t> bytes, const SizeMismatchQuestion& askSizeMismatch);

// The block with the checkbox bit of the property's shown record set or cleared.
Result<std::vector<std::uint8_t>> PlanCheck(
    std::span<const std::uint8_t> block, const PropertyDefinition& definition, std::size_t jsonIndex, bool checked);

// UTF-16 code units of a UTF-8 text, as the host's edit boxes count "MaxLength".
std::size_t Utf16Units(std::string_view utf8);

}  // namespace Vantor
