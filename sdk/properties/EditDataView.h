// A read-only, bounds-checked view of a stored EDITDATA block. Nothing stored is trusted:
// every offset, count and size is checked against the bytes the caller says it holds
// before use, and a block that fails a check gives a problem instead of a read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/Problem.h"

namespace Vantor {

enum class PropertiesLayout { Vnt1, Vnt2 };

// How the property header was found, so that the editor can show the boxes the host
// expects and go on at the fallback position.
struct HeaderLocation {
    enum class Outcome {
        Found,               // extPrivateData points at a 'VNT1' or 'VNT2' header
        WrongMarker,         // extPrivateData is in range, its marker is not
        OldOffsetFoundAt20,  // extPrivateData is out of range (or 0); a header sits at 20
        NotFound,            // out of range and nothing at 20 either
    };
    Outcome outcome;
    std::size_t offset;          // where reading goes on
    std::vector<Problem> boxes;  // to show in this order
};

// One stored record, as far as it lies inside the block.
struct RecordView {
    std::size_t position;  // in storage order, from 0
    std::size_t offset;    // from the block start
    std::uint32_t sizeBytes;
    std::uint16_t typeId;
    std::uint16_t jsonIndex;  // 'VNT1': the position
    std::string_view title;   // the block's bytes
    std::span<const std::uint8_t> value;
    std::size_t valueOffset;  // from the block start, for callers that rewrite the value
};

class PropertiesView;

class EditDataView {
public:
    // realSize: the bytes the caller knows the block holds. A smaller extSize cuts the view
    // shorter; a larger one is not believed.
    EditDataView(const std::uint8_t* block, std::size_t realSize);

    std::span<const std::uint8_t> Bytes() const { return bytes_; }
    // None when the block is shorter than the host's header.
    std::optional<EditDataHeader> Header() const;

    // The rules for finding Props from extPrivateData, with the boxes they show.
    HeaderLocation LocateProperties() const;
    // The header at this offset, checked: marker, header size and checkbox bytes inside
    // the block. Problems are Fatal: the host handed over a broken record.
    Result<PropertiesView> PropertiesAt(std::size_t offset) const;

private:
    bool HasMarkerAt(std::size_t offset) const;

    std::span<const std::uint8_t> bytes_;
};

class PropertiesView {
public:
    std::span<const std::uint8_t> Bytes() const { return bytes_; }
    PropertiesLayout Layout() const { return layout_; }
    std::size_t Offset() const { return offset_; }
    std::uint16_t NumProps() const { return numProps_; }
    // As stored: the complements of the layout hashes.
    std::uint32_t StoredHash() const { return hash_; }
    std::uint32_t StoredHashTypes() const { return hashTypes_; }
    std::size_t FirstRecordOffset() const { return firstRecord_; }

    // All NumProps() records, or the Fatal problem of the first one that does not fit:
    // a head outside the block, a size below its own head and title, or a size running
    // past the block.
    Result<std::vector<RecordView>> Records() const;
    // The checkbox bit of a record position (or, in 'VNT1', a JSON index); none when it
    // is not below NumProps().
    std::optional<bool> CheckboxBit(std::size_t index) const;

private:
    friend class EditDataView;
    PropertiesView() = default;

    std::span<const std::uint8_t> bytes_;
    PropertiesLayout layout_ = PropertiesLayout::Vnt2;
    std::size_t offset_ = 0;
    std::uint16_t numProps_ = 0;
    std::uint32_t hash_ = 0;
    std::uint32_t hashTypes_ = 0;
    std::size_t checkboxes_ = 0;
    std::size_t firstRecord_ = 0;
};

}  // namespace Vantor
