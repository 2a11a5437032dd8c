#include "sdk/properties/EditDataView.h"

#include <algorithm>
#include <string>

#include "sdk/properties/ByteFields.h"

namespace Vantor {
namespace {

constexpr std::string_view kOffsetInvalidTitle = "Vantor offset invalid";
constexpr std::string_view kOffsetInvalidText
    = "Vantor smart properties was not found in edittime data. The MFA is likely corrupt.";
constexpr std::string_view kOldPropsTitle = "Old Vantor props";
constexpr std::string_view kOldPropsText
    = "Vantor smart props offset not found. Falling back to default. Resetting properties recommended.";

std::span<const std::uint8_t> CutToExtSize(std::span<const std::uint8_t> bytes)
{
    const auto extSize = ReadField<std::uint32_t>(bytes, offsetof(EditDataHeader, extSize));
    return extSize && *extSize < bytes.size() ? bytes.first(*extSize) : bytes;
}

std::optional<PropertiesLayout> LayoutOfMarker(std::optional<std::uint32_t> marker)
{
    if (marker == kMarkerVnt2)
        return PropertiesLayout::Vnt2;
    if (marker == kMarkerVnt1)
        return PropertiesLayout::Vnt1;
    return std::nullopt;
}

std::string Num(std::size_t value) { return std::to_string(value); }

Problem RecordOutsideBlock(std::size_t position, std::uint16_t numProps, std::size_t offset, std::size_t blockSize)
{
    return Problem::Fatal("Stored property " + Num(position) + " of " + Num(numProps) + " at offset " + Num(offset)
        + " runs past the end of the " + Num(blockSize) + "-byte EDITDATA.\n");
}

}  // namespace

EditDataView::EditDataView(const std::uint8_t* block, std::size_t realSize)
    : bytes_(CutToExtSize({block, block ? realSize : 0}))
{
}

std::optional<EditDataHeader> EditDataView::Header() const { return ReadField<EditDataHeader>(bytes_, 0); }

bool EditDataView::HasMarkerAt(std::size_t offset) const
{
    return LayoutOfMarker(ReadField<std::uint32_t>(bytes_, offset)).has_value();
}

HeaderLocation EditDataView::LocateProperties() const
{
    // The host's rule reads extSize - 28 unsigned; a short block falls back to 20 instead.
    const std::size_t fallback = std::max<std::size_t>(kPropertiesOffset, bytes_.size() >= 28 ? bytes_.size() - 28 : 0);
    const auto offset = ReadField<std::uint32_t>(bytes_, offsetof(EditDataHeader, extPrivateData));
    // In range means the marker itself can be read, not just its first byte.
    const bool inRange = offset && *offset >= kPropertiesOffset && *offset <= bytes_.size()
        && bytes_.size() - *offset >= sizeof(std::uint32_t);

    HeaderLocation location {HeaderLocation::Outcome::Found, inRange ? *offset : kPropertiesOffset, {}};
    if (inRange && HasMarkerAt(*offset))
        return location;
    if (!inRange) {
        location.boxes.push_back(Problem::Warning(std::string(kOldPropsTitle), std::string(kOldPropsText)));
        if (HasMarkerAt(kPropertiesOffset)) {
            location.outcome = HeaderLocation::Outcome::OldOffsetFoundAt20;
            return location;
        }
    }
    location.outcome = inRange ? HeaderLocation::Outcome::WrongMarker : HeaderLocation::Outcome::NotFound;
    location.offset = fallback;
    location.boxes.push_back(Problem::Error(std::string(kOffsetInvalidTitle), std::string(kOffsetInvalidText)));
    return location;
}

Result<PropertiesView> EditDataView::PropertiesAt(std::size_t offset) const
{
    const auto layout = LayoutOfMarker(ReadField<std::uint32_t>(bytes_, offset));
    if (!layout)
        return Problem::Fatal("No Vantor smart properties header (VNT1 or VNT2) at offset " + Num(offset) + " of the "
            + Num(bytes_.size()) + "-byte EDITDATA.\n");
    const std::size_t headerSize = *layout == PropertiesLayout::Vnt2 ? sizeof(Properties) : sizeof(PropertiesV1);
    const auto header = ReadField<PropertiesV1>(bytes_, offset);  // the fields both layouts share
    if (!header || bytes_.size() - offset < headerSize)
        return Problem::Fatal("The Vantor smart properties header at offset " + Num(offset)
            + " runs past the end of the " + Num(bytes_.size()) + "-byte EDITDATA.\n");

    PropertiesView view;
    view.bytes_ = bytes_;
    view.layout_ = *layout;
    view.offset_ = offset;
    view.numProps_ = header->numProps;
    view.hash_ = header->hash;
    view.hashTypes_ = header->hashTypes;
    view.checkboxes_ = offset + headerSize;
    view.firstRecord_ = view.checkboxes_ + CheckboxBytes(view.numProps_);
    if (view.firstRecord_ > bytes_.size())
        return Problem::Fatal("The " + Num(CheckboxBytes(view.numProps_)) + " checkbox bytes of " + Num(view.numProps_)
            + " stored properties run past the end of the " + Num(bytes_.size()) + "-byte EDITDATA.\n");
    return view;
}

Result<std::vector<RecordView>> PropertiesView::Records() const
{
    const bool v2 = layout_ == PropertiesLayout::Vnt2;
    const std::size_t headSize = v2 ? sizeof(Properties::Data) : sizeof(PropertiesV1::Data);
    const std::size_t nameSizeAt
        = v2 ? offsetof(Properties::Data, propNameSize) : offsetof(PropertiesV1::Data, propNameSize);

    std::vector<RecordView> records;
    records.reserve(numProps_);
    std::size_t offset = firstRecord_;
    for (std::size_t position = 0; position < numProps_; ++position) {
        if (bytes_.size() - offset < headSize)  // offset <= size: checked for the start and every record
            return RecordOutsideBlock(position, numProps_, offset, bytes_.size());
        const std::span<const std::uint8_t> head = bytes_.subspan(offset, headSize);
        const std::uint32_t sizeBytes = *ReadField<std::uint32_t>(head, offsetof(Properties::Data, sizeBytes));
        const std::uint8_t nameSize = *ReadField<std::uint8_t>(head, nameSizeAt);
        if (sizeBytes < headSize + nameSize)
            return Problem::Fatal("Stored property " + Num(position) + " of " + Num(numProps_) + " at offset "
                + Num(offset) + " claims " + Num(sizeBytes) + " bytes, fewer than its head and its " + Num(nameSize)
                + "-byte title.\n");
        if (bytes_.size() - offset < sizeBytes)
            return RecordOutsideBlock(position, numProps_, offset, bytes_.size());

        RecordView record;
        record.position = position;
        record.offset = offset;
        record.sizeBytes = sizeBytes;
        record.typeId = *ReadField<std::uint16_t>(head, offsetof(Properties::Data, propTypeID));
        record.jsonIndex = v2 ? *ReadField<std::uint16_t>(head, offsetof(Properties::Data, propJSONIndex))
                              : static_cast<std::uint16_t>(position);
        const auto* name = reinterpret_cast<const char*>(bytes_.data() + offset + headSize);
        record.title = std::string_view(name, nameSize);
        record.valueOffset = offset + headSize + nameSize;
        record.value = bytes_.subspan(record.valueOffset, sizeBytes - headSize - nameSize);
        records.push_back(record);
        offset += sizeBytes;
    }
    return records;
}

std::optional<bool> PropertiesView::CheckboxBit(std::size_t index) const
{
    if (index >= numProps_)
        return std::nullopt;
    // PropertiesAt checked that all CheckboxBytes(numProps_) bytes lie inside the block.
    const std::uint8_t bits = bytes_[checkboxes_ + index / 8];
    return ((bits >> (index % 8)) & 1) != 0;
}

}  // namespace Vantor
