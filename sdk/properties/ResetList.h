// The properties a conversion set to their defaults, for the summary box: one line
// "• title\n" and one count per property, however many of its parts were defaulted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Vantor {

class ResetList {
public:
    // Value and checkbox defaults of one property count once, so the count never
    // exceeds the number of properties the summary subtracts it from.
    void Add(std::size_t jsonIndex, std::string_view title);

    const std::string& Text() const { return text_; }
    std::size_t Count() const { return listed_.size(); }

private:
    std::string text_;
    std::vector<std::size_t> listed_;
};

}  // namespace Vantor
