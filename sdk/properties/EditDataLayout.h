// The EDITDATA block as the host stores it: the host's record header, the smart-property
// header, the checkbox bits and one record per stored property, all little-endian and packed.
// Only the layout lives here; the bytes are read through ByteFields.h, never through casts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace Vantor {

#pragma pack(push, 1)

// The host's 20-byte record header, eHeader.
struct EditDataHeader {
    std::uint32_t extSize;         // the whole block: headers, checkbox bits and records
    std::uint32_t extMaxSize;      // the largest size this object's block has had
    std::uint32_t extVersion;      // the extension's version, with kSmartPropertiesFlag
    std::uint32_t extID;           // the host's object identifier
    std::uint32_t extPrivateData;  // offset of Properties from the block start; 0 before smart properties
};

// The 'VNT2' smart-property header, Props, at extPrivateData.
struct Properties {
    // One stored property; the title and the value follow the head.
    struct Data {
        std::uint32_t sizeBytes;  // head, title and value
        std::uint16_t propTypeID;
        std::uint16_t propJSONIndex;
        std::uint8_t propNameSize;
    };

    // The value of a property set's "EntryList" combo box; the set's name follows.
    struct RuntimePropSet {
        std::uint8_t setIndicator;  // kSetIndicator
        std::uint16_t numRepeats;
        std::uint16_t lastSetJSONPropIndex;
        std::uint16_t firstSetJSONPropIndex;
        std::uint16_t setNameJSONPropIndex;
        std::uint16_t setIndexSelected;
    };

    // Run-time reads by title, for an Extension's constructor; the header must be the one at
    // offset 20 of its EDITDATA. Defined by the Windows edge.
    std::wstring GetPropertyStr(std::string_view title) const;
    float GetPropertyNum(std::string_view title) const;
    bool IsPropChecked(std::string_view title) const;

    std::uint32_t propVersion;  // kMarkerVnt2
    std::uint32_t hash;         // ~title hash
    std::uint32_t hashTypes;    // ~type hash
    std::uint16_t numProps;     // records stored, set copies included
    std::uint16_t reserved;
    std::uint32_t sizeBytes;  // equals extSize
    // Edit time only: the address of the editor's visibility array; meaningless once stored.
    std::uint32_t visibleEditorProps;
    std::uint32_t visibleEditorPropsHigh;
};

// The first smart-property layout, 'VNT1': read, never written.
struct PropertiesV1 {
    // No JSON index: a record's JSON index is its position.
    struct Data {
        std::uint32_t sizeBytes;
        std::uint16_t propTypeID;
        std::uint8_t propNameSize;
    };

    std::uint32_t propVersion;  // kMarkerVnt1
    std::uint32_t hash;
    std::uint32_t hashTypes;
    std::uint16_t numProps;
    std::uint16_t reserved;
    std::uint32_t sizeBytes;
};

#pragma pack(pop)

static_assert(std::is_standard_layout_v<EditDataHeader> && std::is_trivially_copyable_v<EditDataHeader>);
static_assert(sizeof(EditDataHeader) == 20);
static_assert(offsetof(EditDataHeader, extSize) == 0);
static_assert(offsetof(EditDataHeader, extMaxSize) == 4);
static_assert(offsetof(EditDataHeader, extVersion) == 8);
static_assert(offsetof(EditDataHeader, extID) == 12);
static_assert(offsetof(EditDataHeader, extPrivateData) == 16);

static_assert(std::is_standard_layout_v<Properties> && std::is_trivially_copyable_v<Properties>);
static_assert(sizeof(Properties) == 28);
static_assert(offsetof(Properties, propVersion) == 0);
static_assert(offsetof(Properties, hash) == 4);
static_assert(offsetof(Properties, hashTypes) == 8);
static_assert(offsetof(Properties, numProps) == 12);
static_assert(offsetof(Properties, reserved) == 14);
static_assert(offsetof(Properties, sizeBytes) == 16);
static_assert(offsetof(Properties, visibleEditorProps) == 20);
static_assert(offsetof(Properties, visibleEditorPropsHigh) == 24);

static_assert(std::is_standard_layout_v<Properties::Data>);
static_assert(sizeof(Properties::Data) == 9);
static_assert(offsetof(Properties::Data, sizeBytes) == 0);
static_assert(offsetof(Properties::Data, propTypeID) == 4);
static_assert(offsetof(Properties::Data, propJSONIndex) == 6);
static_assert(offsetof(Properties::Data, propNameSize) == 8);

static_assert(std::is_standard_layout_v<Properties::RuntimePropSet>);
static_assert(sizeof(Properties::RuntimePropSet) == 11);
static_assert(offsetof(Properties::RuntimePropSet, setIndicator) == 0);
static_assert(offsetof(Properties::RuntimePropSet, numRepeats) == 1);
static_assert(offsetof(Properties::RuntimePropSet, lastSetJSONPropIndex) == 3);
static_assert(offsetof(Properties::RuntimePropSet, firstSetJSONPropIndex) == 5);
static_assert(offsetof(Properties::RuntimePropSet, setNameJSONPropIndex) == 7);
static_assert(offsetof(Properties::RuntimePropSet, setIndexSelected) == 9);

static_assert(std::is_standard_layout_v<PropertiesV1>);
static_assert(sizeof(PropertiesV1) == 20);
static_assert(offsetof(PropertiesV1, propVersion) == offsetof(Properties, propVersion));
static_assert(offsetof(PropertiesV1, hash) == offsetof(Properties, hash));
static_assert(offsetof(PropertiesV1, hashTypes) == offsetof(Properties, hashTypes));
static_assert(offsetof(PropertiesV1, numProps) == offsetof(Properties, numProps));
static_assert(offsetof(PropertiesV1, sizeBytes) == offsetof(Properties, sizeBytes));

static_assert(sizeof(PropertiesV1::Data) == 7);
static_assert(offsetof(PropertiesV1::Data, sizeBytes) == 0);
static_assert(offsetof(PropertiesV1::Data, propTypeID) == 4);
static_assert(offsetof(PropertiesV1::Data, propNameSize) == 6);

// 'VNT2' and 'VNT1' as four-character constants: stored as the bytes "2TNV" and "1TNV".
constexpr std::uint32_t kMarkerVnt2 = 0x564E5432;
constexpr std::uint32_t kMarkerVnt1 = 0x564E5431;

// Both deliverables are version 1; bit 0x100 marks smart properties.
constexpr std::uint32_t kSmartPropertiesFlag = 0x100;
constexpr std::uint32_t kSmartExtVersion = 1 | kSmartPropertiesFlag;

// Where this version puts Props, and the size of an empty 'VNT2' block.
constexpr std::uint32_t kPropertiesOffset = sizeof(EditDataHeader);
constexpr std::uint32_t kEditDataHeaderSize = sizeof(EditDataHeader) + sizeof(Properties);

// The first byte of a combo box value: a list item's text, or a property set record.
constexpr std::uint8_t kListIndicator = 'L';
constexpr std::uint8_t kSetIndicator = 'S';

// propNameSize holds 255, but a new block's size counts at most 254 title bytes: longer
// titles cannot be written without the two disagreeing.
constexpr std::size_t kLongestTitle = 254;

// ceil(numProps / 8) bytes, one bit per record.
constexpr std::size_t CheckboxBytes(std::size_t records) { return (records + 7) / 8; }

}  // namespace Vantor
