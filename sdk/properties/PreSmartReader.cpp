#include "sdk/properties/PreSmartReader.h"

#include <string>

#include "sdk/definition/Json.h"
#include "sdk/properties/ByteFields.h"
#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

constexpr std::size_t kEndOffsetAt = sizeof(EditDataHeader);
constexpr std::size_t kCheckboxesAt = kEndOffsetAt + sizeof(std::uint32_t);

ReaderReply WithStatus(ReaderStatus status)
{
    ReaderReply reply;
    reply.status = status;
    return reply;
}

ReaderReply Ok(std::uint16_t typeId, std::vector<std::uint8_t> value)
{
    ReaderReply reply = WithStatus(ReaderStatus::Ok);
    reply.typeId = typeId;
    reply.value = std::move(value);
    return reply;
}

std::size_t FixedSize(std::uint16_t typeId)
{
    if (IsStoredIntegerId(typeId) || IsStoredFloatId(typeId))
        return 4;
    return typeId == kSize ? 8 : 0;
}

}  // namespace

PreSmartReader::PreSmartReader(std::span<const std::uint8_t> block, const json_value& properties)
    : block_(block)
    , properties_(properties)
{
}

ReaderStatus PreSmartReader::Initialise(std::vector<Problem>& boxes)
{
    const auto header = ReadField<EditDataHeader>(block_, 0);
    const auto end = ReadField<std::uint32_t>(block_, kEndOffsetAt);
    if (!header || header->extPrivateData != 0 || !end || *end < kEndOffsetAt)
        return ReaderStatus::Unsuitable;
    position_ = kCheckboxesAt + CheckboxBytes(ElementCount(properties_));
    if (*end > block_.size() || position_ > *end) {
        boxes.push_back(Problem::Error("Property conversion error",
            "The stored properties claim to end at byte " + std::to_string(*end) + ", but the "
                + std::to_string(block_.size()) + "-byte EDITDATA cannot hold them with their "
                + std::to_string(CheckboxBytes(ElementCount(properties_)))
                + " checkbox bytes. The stored values were not read."));
        return ReaderStatus::Unsuitable;
    }
    end_ = *end;
    return ReaderStatus::Ok;
}

std::int32_t PreSmartReader::CheckboxState(std::size_t index) const
{
    if (index >= CheckboxBytes(ElementCount(properties_)) * 8)
        return -1;
    return (block_[kCheckboxesAt + index / 8] >> (index % 8)) & 1;  // Initialise checked the bytes
}

ReaderReply PreSmartReader::ReadValue(std::size_t index)
{
    const json_value& property = Element(properties_, index);
    const std::string_view typeName = Text(Member(property, "Type"));
    const auto type = PropertyTypeFromName(typeName);
    if (!type || *type == kStaticText || *type == kFolder || *type == kFolderEnd || *type == kEditButton)
        return WithStatus(ReaderStatus::Pass);  // nothing stored for it
    if (*type == kCheckbox)
        return Ok(kCheckbox, {});
    if (position_ >= end_)
        return WithStatus(ReaderStatus::Unsuitable);  // the stored values ran out

    const std::span<const std::uint8_t> rest = block_.subspan(position_, end_ - position_);
    if (IsTextType(typeName)) {
        std::size_t length = 0;
        while (length < rest.size() && rest[length] != 0)
            ++length;
        if (length == rest.size())
            return WithStatus(ReaderStatus::Unsuitable);  // no terminator before the end
        position_ += length + 1;
        return Ok(*type, {rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(length)});
    }
    if (IsComboBoxId(*type)) {
        const auto item = ReadField<std::uint32_t>(rest, 0);
        if (!item)
            return WithStatus(ReaderStatus::Unsuitable);
        position_ += sizeof(std::uint32_t);
        const json_value& items = Member(property, "Items");
        if (*item >= ElementCount(items))
            return WithStatus(ReaderStatus::Pass);
        const std::string_view text = Text(Element(items, *item));
        std::vector<std::uint8_t> value {kListIndicator};
        value.insert(value.end(), text.begin(), text.end());
        return Ok(*type, std::move(value));
    }
    const std::size_t size = FixedSize(*type);
    if (size == 0)
        return WithStatus(ReaderStatus::Pass);  // a kind this layout never stored
    if (rest.size() < size)
        return WithStatus(ReaderStatus::Unsuitable);
    position_ += size;
    return Ok(*type, {rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(size)});
}

ReaderReply PreSmartReader::GetProperty(std::size_t index)
{
    if (index < next_)
        return WithStatus(ReaderStatus::Unsuitable);
    for (; next_ < index; ++next_)
        if (ReadValue(next_).status == ReaderStatus::Unsuitable)
            return WithStatus(ReaderStatus::Unsuitable);
    ReaderReply reply = ReadValue(index);
    ++next_;
    if (reply.status == ReaderStatus::Ok)
        reply.checkbox = CheckboxState(index);
    return reply;
}

ReaderReply PreSmartReader::GetPropertyCheckbox(std::size_t index) const
{
    const std::int32_t state = CheckboxState(index);
    if (state < 0)
        return WithStatus(ReaderStatus::Unsuitable);
    ReaderReply reply = WithStatus(ReaderStatus::Ok);
    reply.checkbox = state;
    return reply;
}

}  // namespace Vantor
