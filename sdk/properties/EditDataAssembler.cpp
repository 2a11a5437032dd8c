#include "sdk/properties/EditDataAssembler.h"

#include <algorithm>
#include <limits>

#include "sdk/properties/ByteFields.h"
#include "sdk/properties/EditDataLayout.h"

namespace Vantor {

bool EditDataAssembler::AddRecord(
    std::uint16_t typeId, std::uint16_t jsonIndex, std::string_view title, std::span<const std::uint8_t> value)
{
    constexpr std::size_t kLargestRecord = std::numeric_limits<std::uint32_t>::max();
    const std::size_t head = sizeof(Properties::Data) + title.size();
    if (title.size() > kLongestTitle || checked_.size() >= std::numeric_limits<std::uint16_t>::max()
        || value.size() > kLargestRecord - head)
        return false;
    const Properties::Data data {
        static_cast<std::uint32_t>(head + value.size()), typeId, jsonIndex, static_cast<std::uint8_t>(title.size())};
    AppendField(records_, data);
    records_.insert(records_.end(), title.begin(), title.end());
    records_.insert(records_.end(), value.begin(), value.end());
    checked_.push_back(false);
    return true;
}

bool EditDataAssembler::SetChecked(std::size_t position, bool checked)
{
    if (position >= checked_.size())
        return false;
    checked_[position] = checked;
    return true;
}

std::size_t EditDataAssembler::TotalSize() const
{
    return kEditDataHeaderSize + CheckboxBytes(checked_.size()) + records_.size();
}

std::vector<std::uint8_t> EditDataAssembler::Finish(
    const LayoutHashes& hashes, std::uint32_t extId, std::uint32_t oldExtMaxSize) const
{
    const auto total = static_cast<std::uint32_t>(TotalSize());
    const EditDataHeader header {total, std::max(total, oldExtMaxSize), kSmartExtVersion, extId, kPropertiesOffset};
    // The visibility slot stays zero: the editor keeps that array outside the block.
    const Properties properties {
        kMarkerVnt2, ~hashes.titles, ~hashes.types, static_cast<std::uint16_t>(checked_.size()), 0, total, 0, 0};

    std::vector<std::uint8_t> block;
    block.reserve(total);
    AppendField(block, header);
    AppendField(block, properties);
    std::vector<std::uint8_t> bits(CheckboxBytes(checked_.size()), 0);
    for (std::size_t i = 0; i < checked_.size(); ++i)
        if (checked_[i])
            bits[i / 8] = static_cast<std::uint8_t>(bits[i / 8] | (1u << (i % 8)));
    block.insert(block.end(), bits.begin(), bits.end());
    block.insert(block.end(), records_.begin(), records_.end());
    return block;
}

}  // namespace Vantor
