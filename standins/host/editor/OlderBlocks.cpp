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

StoredBlockResult Parsed(const std::string& definitionText, JsonDocument& document)
{
    document = JsonDocument::Parse(definitionText);
    if (!document.ok())
        return {{}, "the definition does not parse: " + document.error()};
    return {};
}

}  // namespace

StoredBlockResult BuildPreSmartBlock(const std::string& definitionText, const PropertyValues& values,
                                     std::uint32_t extVersion)
{
    JsonDocument document;
    if (StoredBlockResult failed = Parsed(definitionText, document); !failed.error.empty())
        return failed;
    const json_value& properties = DefinitionProperties(document);
    std::vector<std::uint8_t> bits(CheckboxBytes(ElementCount(properties)), 0);
    std::vector<std::uint8_t> data;
    const std::string error = VisitTypedProperties(properties, values, [&](const TypedProperty& typed) {
        SetBit(bits, typed.index, typed.checked.value_or(false));
        const std::vector<std::uint8_t> value = PreSmartValue(typed);
        data.insert(data.end(), value.begin(), value.end());
        return std::string();
    });
    if (!error.empty())
        return {{}, error};

    std::vector<std::uint8_t> block;
    AppendHeader(block, extVersion, 0);
    const auto end = static_cast<std::uint32_t>(sizeof(EditDataHeader) + 4 + bits.size() + data.size());
    AppendField(block, end);
    block.insert(block.end(), bits.begin(), bits.end());
    block.insert(block.end(), data.begin(), data.end());
    FinishSizes(block);
    return {block, {}};
}

StoredBlockResult BuildVnt1Block(const std::string& definitionText, const PropertyValues& values,
                                 std::uint32_t extVersion)
{
    JsonDocument document;
    if (StoredBlockResult failed = Parsed(definitionText, document); !failed.error.empty())
        return failed;
    const json_value& properties = DefinitionProperties(document);
    std::vector<std::uint8_t> bits(CheckboxBytes(ElementCount(properties)), 0);
    std::vector<std::uint8_t> records;
    const std::string error = VisitTypedProperties(properties, values, [&](const TypedProperty& typed) {
        SetBit(bits, typed.index, typed.checked.value_or(false));
        const std::string title = IsTitleless(typed.typeName) ? std::string() : typed.title;
        std::vector<std::uint8_t> value;
        if (IsComboBoxId(typed.type))
            value.assign(typed.value.begin(), typed.value.end());
        else if (!IsValueless(typed.typeName))
            value = EncodedValue(typed.type, typed.value);
        const PropertiesV1::Data head{static_cast<std::uint32_t>(sizeof(PropertiesV1::Data) + title.size() + value.size()),
                                      typed.type, static_cast<std::uint8_t>(title.size())};
        AppendField(records, head);
        records.insert(records.end(), title.begin(), title.end());
        records.insert(records.end(), value.begin(), value.end());
        return std::string();
    });
    if (!error.empty())
        return {{}, error};

    std::vector<std::uint8_t> block;
    AppendHeader(block, extVersion, kPropertiesOffset);
    const LayoutHashes hashes = LayoutHashesOf(properties);
    AppendField(block, PropertiesV1{kMarkerVnt1, ~hashes.titles, ~hashes.types,
                                    static_cast<std::uint16_t>(ElementCount(properties)), 0, 0});
    block.insert(block.end(), bits.begin(), bits.end());
    block.insert(block.end(), records.begin(), records.end());
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
