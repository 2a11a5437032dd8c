#include "sdk/properties/PropertySetDeclarations.h"

#include <array>
#include <optional>
#include <string_view>

#include "sdk/definition/Json.h"
#include "sdk/properties/PropertyLookup.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

constexpr std::string_view kSetTitle = "Property set error";
constexpr std::string_view kJsonTitle = "JSON property error";

enum Role : std::size_t { kAdd, kDelete, kList, kName, kStart, kEnd, kRoleCount };
constexpr std::array<std::string_view, kRoleCount> kKeys{
    "AddButton", "DeleteButton", "EntryList", "EntryName", "StartItem", "EndItem"};
constexpr std::array<std::string_view, kRoleCount> kDisplayNames{
    "AddButton", "DeleteButton", "EntryList", "SetName", "StartItem", "EndItem"};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

bool KindFits(Role role, std::optional<PropertyTypeId> type)
{
    switch (role) {
    case kAdd:
    case kDelete:
        return type == kEditButton;
    case kList:
        return type && IsComboBoxId(*type);
    case kName:
        return type == kEditString;
    default:
        return true;
    }
}

bool MustLieInside(Role role) { return role == kName || role == kStart || role == kEnd; }

// Steps 1 to 5 for one declaration: the set, or none after its box.
std::optional<PropSet> ReadOne(const json_value& declaration, const json_value& properties,
    const std::vector<PropSet>& recorded, std::vector<Problem>& boxes)
{
    const std::string name(Text(Member(declaration, "SetName")));
    bool duplicate = false;
    for (const PropSet& set : recorded)
        duplicate = duplicate || EqualsIgnoringAsciiCase(set.name, name);
    if (name.empty() || duplicate) {
        boxes.push_back(Problem::Error(std::string(kSetTitle), "Property set name " + Quoted(name) + " is invalid."));
        return std::nullopt;
    }

    std::array<std::size_t, kRoleCount> index{};
    for (std::size_t role = 0; role < kRoleCount; ++role) {
        const json_value& item = Member(declaration, kKeys[role]);
        if (!IsString(item)) {
            boxes.push_back(Problem::Error(std::string(kSetTitle),
                "Missing property set item " + std::string(kKeys[role]) + " in property set name " + name + "."));
            return std::nullopt;
        }
        const std::optional<std::size_t> found = JsonIndexOfTitle(properties, Text(item));
        if (!found) {
            boxes.push_back(Problem::Error(std::string(kSetTitle), "Property set " + Quoted(name)
                + " requests item name " + Quoted(Text(item)) + ", which was not found."));
            return std::nullopt;
        }
        index[role] = *found;
    }

    if (index[kStart] > index[kEnd]) {
        boxes.push_back(
            Problem::Error(std::string(kJsonTitle), "Set " + name + " has an end index before its start index."));
        return std::nullopt;
    }
    // Start and end make the range, so only the other roles can lie on the wrong side of it.
    for (std::size_t role = 0; role < kRoleCount; ++role) {
        const json_value& property = Element(properties, index[role]);
        const std::string_view title = Text(Member(property, "Title"));
        const bool inside = index[role] >= index[kStart] && index[role] <= index[kEnd];
        if (role != kStart && role != kEnd && inside != MustLieInside(Role(role))) {
            boxes.push_back(Problem::Error(std::string(kJsonTitle),
                "Set " + name + "'s " + std::string(kDisplayNames[role]) + " action property " + Quoted(title) + " is "
                    + (MustLieInside(Role(role)) ? "not " : "") + "within the set range, which is not allowed."));
            return std::nullopt;
        }
        const std::string_view type = Text(Member(property, "Type"));
        if (!KindFits(Role(role), PropertyTypeFromName(type))) {
            boxes.push_back(Problem::Error(std::string(kJsonTitle), "Set " + name + "'s "
                + std::string(kDisplayNames[role]) + " action property uses the wrong property type " + Quoted(type) + "."));
            return std::nullopt;
        }
    }
    if (index[kAdd] == index[kDelete]) {
        boxes.push_back(Problem::Error(std::string(kJsonTitle),
            "Set " + name + " has expected-independent actions are combined on the same property "
                + std::to_string(index[kAdd]) + " or " + std::to_string(index[kDelete])
                + ", which is not allowed. (independent actions: add set, delete set, set name list)"));
        return std::nullopt;
    }
    // Records are stored in JSON order, and the lookups meet the list before the entries it counts.
    if (index[kList] > index[kEnd]) {
        boxes.push_back(Problem::Error(std::string(kJsonTitle), "Set " + name + "'s EntryList property "
            + Quoted(Text(Member(Element(properties, index[kList]), "Title")))
            + " comes after the set range; it must come before its StartItem."));
        return std::nullopt;
    }
    const auto word = [&](Role role) { return static_cast<std::uint16_t>(index[role]); };
    return PropSet{name, word(kAdd), word(kDelete), word(kName), word(kList), word(kStart), word(kEnd)};
}

// Step 6. Two sets sharing a record could not both be stored, so a conflicting set is
// reported and left out rather than recorded.
std::optional<std::string> Conflict(const PropSet& set, const PropSet& other)
{
    if (set.firstProp <= other.lastProp && other.firstProp <= set.lastProp)
        return "Set " + Quoted(set.name) + " begins inside set " + Quoted(other.name)
            + ", but does not end within the set.";
    if (set.addButton == other.addButton || set.addButton == other.deleteButton || set.deleteButton == other.addButton
        || set.deleteButton == other.deleteButton)
        return "Set " + Quoted(set.name) + " button index overlaps with set " + Quoted(other.name) + " button indices.";
    if (set.nameList == other.nameList)
        return "Set " + Quoted(set.name) + " name list property is the same as set " + Quoted(other.name)
            + " name list property.";
    if (set.nameEditbox == other.nameEditbox)
        return "Set " + Quoted(set.name) + " name editbox property is the same as set " + Quoted(other.name)
            + " name editbox property.";
    return std::nullopt;
}

const PropSet* FindSet(const std::vector<PropSet>& sets, std::size_t jsonIndex, std::uint16_t PropSet::*role)
{
    for (const PropSet& set : sets)
        if (set.*role == jsonIndex)
            return &set;
    return nullptr;
}

}  // namespace

PropertySetDeclarations ReadPropertySets(const json_value& languageBlock)
{
    PropertySetDeclarations result;
    const json_value& properties = Member(languageBlock, "Properties");
    const json_value& declarations = Member(languageBlock, "PropertySets");
    for (std::size_t i = 0; i < ElementCount(declarations); ++i) {
        std::optional<PropSet> set = ReadOne(Element(declarations, i), properties, result.sets, result.boxes);
        if (!set)
            continue;
        std::optional<std::string> conflict;
        for (const PropSet& other : result.sets)
            if (!conflict)
                conflict = Conflict(*set, other);
        if (conflict)
            result.boxes.push_back(Problem::Error(std::string(kSetTitle), *conflict));
        else
            result.sets.push_back(std::move(*set));
    }
    return result;
}

EntryListSetNames EntryListsOf(const std::vector<PropSet>& sets)
{
    EntryListSetNames names;
    for (const PropSet& set : sets)
        names.push_back({set.nameList, set.name, set.firstProp, set.lastProp, set.nameEditbox});
    return names;
}

const PropSet* SetWithAddButton(const std::vector<PropSet>& sets, std::size_t jsonIndex)
{
    return FindSet(sets, jsonIndex, &PropSet::addButton);
}

const PropSet* SetWithDeleteButton(const std::vector<PropSet>& sets, std::size_t jsonIndex)
{
    return FindSet(sets, jsonIndex, &PropSet::deleteButton);
}

const PropSet* SetWithNameList(const std::vector<PropSet>& sets, std::size_t jsonIndex)
{
    return FindSet(sets, jsonIndex, &PropSet::nameList);
}

const PropSet* SetWithNameEditbox(const std::vector<PropSet>& sets, std::size_t jsonIndex)
{
    return FindSet(sets, jsonIndex, &PropSet::nameEditbox);
}

}  // namespace Vantor
