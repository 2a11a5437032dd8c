// The name each deliverable gives itself in box titles and messages; defined by the product.
#pragma once

namespace Vantor {

extern const wchar_t* const kProjectName;

}  // namespace Vantor
