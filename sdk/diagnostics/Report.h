// A problem found by a pure piece, to be shown by the Windows edge as an error box.
#pragma once

#include <string>
#include <vector>

namespace Vantor {

struct Report {
    std::string title;  // UTF-8, without the project suffix
    std::string text;   // UTF-8
};

using Reports = std::vector<Report>;

}  // namespace Vantor
