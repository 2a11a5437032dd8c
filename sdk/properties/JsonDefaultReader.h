// The property reader that knows only the definition: every property's JSON default, in
// the stored value form of its type. Creating an object uses it alone; converting an old
// block falls back on it for whatever the old block cannot supply.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/properties/EntryListSets.h"
#include "sdk/properties/Problem.h"

struct _json_value;

namespace Vantor {

enum class ReaderStatus : std::uint32_t {
    Ok = 1,          // a value (or a checkbox state) was produced
    Pass = 2,        // this reader does not know the property: ask the next
    Failure = 3,     // the reader failed on this property: show why, ask the next
    Unsuitable = 4,  // the reader cannot serve this conversion any more
};

struct ReaderReply {
    ReaderStatus status = ReaderStatus::Pass;
    std::uint16_t typeId = 0;         // Ok from GetProperty: the record's type
    std::vector<std::uint8_t> value;  // Ok from GetProperty: the stored value bytes
    std::int32_t checkbox = -1;       // Ok from GetPropertyCheckbox: 0 or 1
    bool isDefault = false;           // Ok: a default went in, so the property counts as reset
    std::string failure;              // Failure: the text the chain shows
};

class JsonDefaultReader {
public:
    static constexpr std::string_view kName = "JSONPropertyReader";
    static constexpr std::size_t kMostProperties = 1000;
    static constexpr std::size_t kLongestDefaultText = 4095;

    // properties: the current language's "Properties", JsonNone() when absent.
    JsonDefaultReader(const _json_value& properties, const EntryListSetNames& sets, std::string_view languageName);

    // Ok, or Unsuitable with its "Property error" box for anything but an absent
    // "Properties" or an array of at most kMostProperties.
    ReaderStatus Initialise(std::vector<Problem>& boxes) const;
    // boxes: the "Property error" box of a set's list that also declares "Items".
    ReaderReply GetProperty(std::size_t index, std::vector<Problem>& boxes) const;
    ReaderReply GetPropertyCheckbox(std::size_t index) const;

private:
    ReaderReply MissingOrNotObject(std::size_t index) const;
    ReaderReply TextDefault(const _json_value& property, std::uint16_t typeId) const;
    ReaderReply IntegerDefault(const _json_value& property, std::size_t index, std::uint16_t typeId) const;
    ReaderReply ComboDefault(
        const _json_value& property, std::size_t index, std::uint16_t typeId, std::vector<Problem>& boxes) const;
    ReaderReply SizeDefault(const _json_value& property) const;
    ReaderReply FloatDefault(const _json_value& property, std::size_t index, std::uint16_t typeId) const;
    ReaderReply ImageListDefault(const _json_value& property, std::size_t index) const;
    std::string ItemText(const _json_value& property, std::size_t index) const;

    const _json_value& properties_;
    const EntryListSetNames& sets_;
    std::string languageName_;
};

}  // namespace Vantor
