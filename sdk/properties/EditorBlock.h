// The editor's way into a block: only a 'VNT2' header where extPrivateData says, and a block
// the lookups cannot read gives a box, never the fatal path, so the editor never ends over it.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "sdk/properties/EditDataView.h"
#include "sdk/properties/Problem.h"

namespace Vantor {

// Boxes carry `title`; a Fatal problem becomes an error box under it.
Result<PropertiesView> EditorPropertiesOf(std::span<const std::uint8_t> block, std::string_view title);
Problem AsEditorBox(Problem problem, std::string_view title);

}  // namespace Vantor
