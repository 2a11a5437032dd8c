// The "PropertySets" of a language block: each set's buttons, list, name box and range,
// checked against "Properties" once, so that editing never meets a set it cannot store.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sdk/properties/EntryListSets.h"
#include "sdk/properties/Problem.h"

struct _json_value;

namespace Vantor {

struct PropSet {
    std::string name;  // "SetName", UTF-8
    std::uint16_t addButton;
    std::uint16_t deleteButton;
    std::uint16_t nameEditbox;  // "EntryName"
    std::uint16_t nameList;     // "EntryList"
    std::uint16_t firstProp;    // "StartItem"
    std::uint16_t lastProp;     // "EndItem"
};

struct PropertySetDeclarations {
    std::vector<PropSet> sets;  // in declaration order, refused ones left out
    std::vector<Problem> boxes;
};

// languageBlock: the block holding "Properties" and "PropertySets".
PropertySetDeclarations ReadPropertySets(const _json_value& languageBlock);

// What the default reader needs to write each set's list record.
EntryListSetNames EntryListsOf(const std::vector<PropSet>& sets);

// The set whose add or delete button, list or name box is this JSON index.
const PropSet* SetWithAddButton(const std::vector<PropSet>& sets, std::size_t jsonIndex);
const PropSet* SetWithDeleteButton(const std::vector<PropSet>& sets, std::size_t jsonIndex);
const PropSet* SetWithNameList(const std::vector<PropSet>& sets, std::size_t jsonIndex);
const PropSet* SetWithNameEditbox(const std::vector<PropSet>& sets, std::size_t jsonIndex);

}  // namespace Vantor
