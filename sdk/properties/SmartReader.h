// The property reader for smart-property blocks of another definition ('VNT1' or 'VNT2'):
// each current property takes the value of the old record with its old title or its title,
// when the old type can hold the new one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "sdk/properties/EditDataView.h"
#include "sdk/properties/JsonDefaultReader.h"

struct _json_value;

namespace Vantor {

// Whether a stored value of type `stored` serves a property of type `current`.
bool TypesCompatible(std::uint16_t stored, std::uint16_t current);

class SmartReader {
public:
    static constexpr std::string_view kName = "SmartPropertyReader";

    SmartReader(const EditDataView& block, const _json_value& properties);

    // Unsuitable without a smart header; with one whose records run past the block, the
    // problem is added to boxes and the reader is unsuitable too.
    ReaderStatus Initialise(std::vector<Problem>& boxes);
    ReaderReply GetProperty(std::size_t index) const;
    ReaderReply GetPropertyCheckbox(std::size_t index) const;

    bool FromVnt1() const { return view_ && view_->Layout() == PropertiesLayout::Vnt1; }

private:
    // The old record for this property, by "OldTitle" first, then by "Title".
    const RecordView* Match(std::size_t index) const;

    const EditDataView& block_;
    const _json_value& properties_;
    std::optional<PropertiesView> view_;
    std::vector<RecordView> records_;
};

}  // namespace Vantor
