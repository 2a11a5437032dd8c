// Bringing the editor's sheet in line with the "ShowIf" rules: which properties to take out,
// which runs to put back (in JSON order, so the properties after a run are taken out and put
// back behind it), and which to refresh for "EnableIf". Planned here, carried out by the edge.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace Vantor {

constexpr std::uint32_t kFirstPropertyId = 0x80000;
// The sheet entry the whole table goes after; a run that starts at the first property goes there too.
constexpr std::uint32_t kSheetAnchorId = 1;

struct SheetCommand {
    enum class Kind {
        InsertRun,  // table entries first..last after sheet ID `after`
        Remove,     // property ID `id`
        Refresh,    // property ID `id`, re-creating the control when `recreate`
    };
    Kind kind;
    std::size_t first = 0;
    std::size_t last = 0;
    std::uint32_t after = 0;
    std::uint32_t id = 0;
    bool recreate = false;

    bool operator==(const SheetCommand&) const = default;
};

struct RefreshPlan {
    std::vector<std::uint8_t> visible;  // the flags after the commands
    std::vector<SheetCommand> commands;
};

// showIf(i): 1 shown, 0 hidden, -1 malformed (its box already given); asked in JSON order,
// and no further after a -1. hasEnableIf(i): the property has an "EnableIf" text.
RefreshPlan PlanRefresh(std::vector<std::uint8_t> visible, const std::function<int(std::size_t)>& showIf,
    const std::function<bool(std::size_t)>& hasEnableIf);

}  // namespace Vantor
