// The editor's changes to a property set in a stored block: adding an entry, deleting the
// shown one, switching the shown one, and the entries' names for the list. Each change is
// planned as a whole new block, so the host's block is replaced only once the host has
// made room for it, and a refused resize leaves it as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/properties/EntryListSets.h"
#include "sdk/properties/Problem.h"
#include "sdk/properties/PropertySetDeclarations.h"

struct _json_value;

namespace Vantor {

// The set as one block stores it.
struct StoredSet {
    std::size_t listOffset;           // the list record's value, from the block start
    std::uint16_t numRepeats;
    std::uint16_t selected;
    std::size_t firstEntryPosition;   // record position of entry 0's first record
    std::vector<std::size_t> entryEnds;  // per entry, the record position just past it
};

// block: the whole EDITDATA, headers included; its extSize bounds every read.
Result<StoredSet> LocateStoredSet(std::span<const std::uint8_t> block, const PropSet& set);

struct SetEdit {
    std::vector<std::uint8_t> block;  // the new EDITDATA
    std::uint16_t selected;           // the entry to show
};

struct SetDefaults {
    const _json_value& properties;  // the current language's "Properties"
    const EntryListSetNames& sets;
    std::string_view languageName;
};

// One more entry at the set's end, of default values, selected. boxes: the default reader's.
Result<SetEdit> AddSetEntry(
    std::span<const std::uint8_t> block, const PropSet& set, const SetDefaults& defaults, std::vector<Problem>& boxes);
// The shown entry removed; the one before it is shown when it was the last. A set of one
// entry is not changed: the result is the block as it was.
Result<SetEdit> DeleteSetEntry(std::span<const std::uint8_t> block, const PropSet& set);
// Another entry shown: the list record's selection rewritten.
Result<SetEdit> SelectSetEntry(std::span<const std::uint8_t> block, const PropSet& set, std::uint32_t selection);

// Each entry's name, from its name box record, in entry order.
Result<std::vector<std::string>> SetEntryNames(std::span<const std::uint8_t> block, const PropSet& set);

}  // namespace Vantor
