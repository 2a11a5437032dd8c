// A definition's "PropertySets" read and checked, then each set's entries named, added,
// deleted and switched in a stored block, both of any bytes. A planned block must read back
// as a sound block with the set in it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/common/FuzzInput.h"
#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/PropertySetDeclarations.h"
#include "sdk/properties/PropertySetEdits.h"

using namespace Vantor;

namespace {

// A planned block is handed to the host as it is: its header and records must hold. A
// change that leaves the block as it was hands back the caller's own bytes.
void CheckPlanned(std::span<const std::uint8_t> old, const Result<SetEdit>& edit, const PropSet& set)
{
    if (!edit.ok())
        return;
    const std::vector<std::uint8_t>& block = edit.value().block;
    if (std::equal(block.begin(), block.end(), old.begin(), old.end()))
        return;
    const EditDataView view(block.data(), block.size());
    const auto header = view.Header();
    FUZZ_CHECK(header && header->extSize == block.size());
    const Result<PropertiesView> props = view.PropertiesAt(view.LocateProperties().offset);
    FUZZ_CHECK(props.ok());
    FUZZ_CHECK(props.value().Records().ok());
    const Result<StoredSet> stored = LocateStoredSet(block, set);
    FUZZ_CHECK(stored.ok());
    FUZZ_CHECK(edit.value().selected < stored.value().numRepeats);
}

void EditSet(std::span<const std::uint8_t> block, const PropSet& set, const SetDefaults& defaults)
{
    const Result<StoredSet> stored = LocateStoredSet(block, set);
    if (!stored.ok())
        return;
    const Result<std::vector<std::string>> names = SetEntryNames(block, set);
    if (names.ok())
        FUZZ_CHECK(names.value().size() == stored.value().numRepeats);
    std::vector<Problem> boxes;
    CheckPlanned(block, AddSetEntry(block, set, defaults, boxes), set);
    CheckPlanned(block, DeleteSetEntry(block, set), set);
    for (std::uint32_t selection : {0u, 1u, std::uint32_t{stored.value().numRepeats}, 0xFFFFFFFFu})
        SelectSetEntry(block, set, selection);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const VantorFuzz::DefinitionAndBlock input = VantorFuzz::Split(data, size);
    const JsonDocument document = JsonDocument::Parse(input.definition);
    const json_value& language = VantorFuzz::LanguageBlock(document.root());
    const PropertySetDeclarations declarations = ReadPropertySets(language);
    const EntryListSetNames lists = EntryListsOf(declarations.sets);
    FUZZ_CHECK(lists.size() == declarations.sets.size());
    const SetDefaults defaults{Member(language, "Properties"), lists, "English"};
    for (const PropSet& set : declarations.sets) {
        FUZZ_CHECK(set.firstProp <= set.lastProp);
        EditSet(input.block, set, defaults);
    }
    return 0;
}
