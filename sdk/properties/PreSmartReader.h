// The property reader for blocks of extension versions before smart properties: after the
// host's header, an end offset, one checkbox bit per current JSON property and the values of
// the current properties in JSON order, without names or types.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "sdk/properties/JsonDefaultReader.h"

struct _json_value;

namespace Vantor {

class PreSmartReader {
public:
    static constexpr std::string_view kName = "PreSmartPropertyReader";

    // block: the whole old EDITDATA, bounded by the bytes it really holds.
    PreSmartReader(std::span<const std::uint8_t> block, const _json_value& properties);

    // Unsuitable for a smart block, and for an end offset below the header or past the
    // block; the latter with a box, since the block lies about its own size.
    ReaderStatus Initialise(std::vector<Problem>& boxes);
    // Forward only: asking again for an earlier property makes the reader unsuitable.
    ReaderReply GetProperty(std::size_t index);
    ReaderReply GetPropertyCheckbox(std::size_t index) const;

private:
    ReaderReply ReadValue(std::size_t index);
    std::int32_t CheckboxState(std::size_t index) const;

    std::span<const std::uint8_t> block_;
    const _json_value& properties_;
    std::size_t end_ = 0;       // the stored end offset, checked against the block
    std::size_t position_ = 0;  // where the next value starts
    std::size_t next_ = 0;      // the JSON index of that value
};

}  // namespace Vantor
