#include "standins/host/editor/OlderBlocks.h"

#include <cstring>

#include "sdk/definition/Json.h"
#include "sdk/properties/ByteFields.h"
#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/LayoutHash.h"

namespace StandinHost {
namespace {

using namespace Vantor;

void SetBit(std::vector<std::uint8_t>& bits, std::size_t index, bool on)
{
    if (on)
        bits[index / 8] = static_cast<std::uint8_t>(bits[index / 8] | (1u << (index % 8)));
}

std::vector<std::uint8_t> PreSmartValue(const TypedProperty& typed)
{
    std::vector<std::uint8_t> value;
    if (IsTextType(typed.typeName)) {
        value.assign(typed.value.begin(), typed.value.end());
        value.push_back(0);
    } else if (IsComboBoxId(typed.type)) {
        std::uint32_t item = 0xFFFFFFFF;
        const json_value& items = Member(typed.json, "Items");
        for (std::uint32_t i = 0; i < ElementCount(items); ++i)
            if (Text(Element(items, i)) == typed.value)
                item = i;
        AppendField(value, item);
    } else if (typed.type == kSize) {
        value.assign(8, 0);
    } else if (!IsValueless(typed.typeName)) {
        value = EncodedValue(typed.type, typed.value);
    }
    return value;
}

void AppendHeader(std::vector<std::uint8_t>& block, std::uint32_t extVersion, std::uint32_t extPrivateData)
{
    AppendField(block, EditDataHeader{0, 0, extVersion, 0, extPrivateData});
}

void FinishSizes(std::vector<std::uint8_t>& block)
{
    const auto size = static_cast<std::uint32_t>(block.size());
    std::memcpy(block.data() + offsetof(EditDataHeader, extSize), &size, sizeof size);
    std::memcpy(block.data() + offsetof(EditDataHeader, extMaxSize), &size, sizeof size);
}

std::vector<std::uint8_t> Vnt1Record(const TypedProperty& typed)
{
    const std::string title = IsTitleless(typed.typeName) ? std::string() : typed.title;
    std::vector<std::uint8_t> value;
    if (IsComboBoxId(typed.type))
        value.assign(typed.value.begin(), typed.value.end());
    else if (!IsValueless(typed.typeName))
        value = EncodedValue(typed.type, typed.value);
    std::vector<std::uint8_t> record;
    const PropertiesV1::Data head{static_cast<std::uint32_t>(sizeof(PropertiesV1::Data) + title.size() + value.size()),
                                  typed.type, static_cast<std::uint8_t>(title.size())};
    AppendField(record, head);
    record.insert(record.end(), title.begin(), title.end());
    record.insert(record.end(), value.begin(), value.end());
    return record;
}

// Every property of a definition in order: its checkbox bit, and its bytes as one older form
// stores them.
struct PropertyWalk {
    std::string error;
    std::vector<std::uint8_t> bits;
    std::vector<std::uint8_t> data;
    std::uint16_t count = 0;
    LayoutHashes hashes{};
};

PropertyWalk WalkProperties(const std::string& definitionText, const PropertyValues& values,
                            std::vector<std::uint8_t> (*encode)(const TypedProperty&))
{
    PropertyWalk walk;
    const JsonDocument document = JsonDocument::Parse(definitionText);
    if (!document.ok()) {
        walk.error = "the definition does not parse: " + document.error();
        return walk;
    }
    const json_value& properties = DefinitionProperties(document);
    walk.count = static_cast<std::uint16_t>(ElementCount(properties));
    walk.hashes = LayoutHashesOf(properties);
    walk.bits.assign(CheckboxBytes(ElementCount(properties)), 0);
    walk.error = VisitTypedProperties(properties, values, [&](const TypedProperty& typed) {
        SetBit(walk.bits, typed.index, typed.checked.value_or(false));
        const std::vector<std::uint8_t> bytes = encode(typed);
        walk.data.insert(walk.data.end(), bytes.begin(), bytes.end());
        return std::string();
    });
    return walk;
}

}  // namespace

StoredBlockResult BuildPreSmartBlock(const std::string& definitionText, const PropertyValues& values,
                                     std::uint32_t extVersion)
{
    const PropertyWalk walk = WalkProperties(definitionText, values, PreSmartValue);
    if (!walk.error.empty())
        return {{}, walk.error};
    std::vector<std::uint8_t> block;
    AppendHeader(block, extVersion, 0);
    const auto end = static_cast<std::uint32_t>(sizeof(EditDataHeader) + 4 + walk.bits.size() + walk.data.size());
    AppendField(block, end);
    block.insert(block.end(), walk.bits.begin(), walk.bits.end());
    block.insert(block.end(), walk.data.begin(), walk.data.end());
    FinishSizes(block);
    return {block, {}};
}

StoredBlockResult BuildVnt1Block(const std::string& definitionText, const PropertyValues& values,
                                 std::uint32_t extVersion)
{
    const PropertyWalk walk = WalkProperties(definitionText, values, Vnt1Record);
    if (!walk.error.empty())
        return {{}, walk.error};
    std::vector<std::uint8_t> block;
    AppendHeader(block, extVersion, kPropertiesOffset);
    AppendField(block, PropertiesV1{kMarkerVnt1, ~walk.hashes.titles, ~walk.hashes.types, walk.count, 0, 0});
    block.insert(block.end(), walk.bits.begin(), walk.bits.end());
    block.insert(block.end(), walk.data.begin(), walk.data.end());
    FinishSizes(block);
    const auto size = static_cast<std::uint32_t>(block.size());
    std::memcpy(block.data() + kPropertiesOffset + offsetof(PropertiesV1, sizeBytes), &size, sizeof size);
    return {block, {}};
}

void SetExtVersion(std::vector<std::uint8_t>& block, std::uint32_t extVersion)
{
    if (block.size() >= sizeof(EditDataHeader))
        std::memcpy(block.data() + offsetof(EditDataHeader, extVersion), &extVersion, sizeof extVersion);
}

}  // namespace StandinHost
