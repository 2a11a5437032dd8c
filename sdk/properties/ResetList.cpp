#include "sdk/properties/ResetList.h"

#include <algorithm>

namespace Vantor {

void ResetList::Add(std::size_t jsonIndex, std::string_view title)
{
    if (std::find(listed_.begin(), listed_.end(), jsonIndex) != listed_.end())
        return;
    listed_.push_back(jsonIndex);
    text_ += "\xE2\x80\xA2 ";  // U+2022, the bullet
    text_.append(title);
    text_ += '\n';
}

}  // namespace Vantor
