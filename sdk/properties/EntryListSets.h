// Property sets make their "EntryList" combo box store a set record instead of a list value.
// The frame reads the sets from "PropertySets"; these pure pieces get what the record needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Vantor {

struct EntryListSet {
    std::size_t entryList;    // JSON index of the set's "EntryList" combo box
    std::string setName;      // "SetName", UTF-8
    std::uint16_t startItem;  // JSON indices of "StartItem", "EndItem" and "EntryName"
    std::uint16_t endItem;
    std::uint16_t entryName;
};

using EntryListSetNames = std::vector<EntryListSet>;

// The set whose "EntryList" is the property at this JSON index, if any.
inline const EntryListSet* FindEntryListSet(const EntryListSetNames& sets, std::size_t index)
{
    for (const EntryListSet& set : sets)
        if (set.entryList == index)
            return &set;
    return nullptr;
}

}  // namespace Vantor
