#include "sdk/properties/RefreshPlan.h"

#include <optional>
#include <utility>

namespace Vantor {
namespace {

struct Run {
    std::size_t first;
    std::size_t last;
};

std::uint32_t IdOf(std::size_t index) { return kFirstPropertyId + static_cast<std::uint32_t>(index); }

void ShowRun(RefreshPlan& plan, Run run, bool reAdding)
{
    for (std::size_t i = run.first; i <= run.last; ++i)
        plan.visible[i] = 1;

    // What is shown after the run is taken out, to come back behind it.
    std::vector<Run> removed;
    if (!reAdding) {
        std::optional<Run> current;
        for (std::size_t i = run.last + 1; i < plan.visible.size(); ++i) {
            if (plan.visible[i] == 0) {
                if (current)
                    removed.push_back(*std::exchange(current, std::nullopt));
                continue;
            }
            plan.commands.push_back({SheetCommand::Kind::Remove, 0, 0, 0, IdOf(i), false});
            if (current)
                current->last = i;
            else
                current = Run{i, i};
        }
        if (current)
            removed.push_back(*current);
    }

    const std::uint32_t after = run.first == 0 ? kSheetAnchorId : IdOf(run.first - 1);
    plan.commands.push_back({SheetCommand::Kind::InsertRun, run.first, run.last, after, 0, false});
    for (const Run& back : removed)
        ShowRun(plan, back, true);
}

}  // namespace

RefreshPlan PlanRefresh(std::vector<std::uint8_t> visible, const std::function<int(std::size_t)>& showIf,
    const std::function<bool(std::size_t)>& hasEnableIf)
{
    RefreshPlan plan{std::move(visible), {}};
    std::optional<Run> pending;
    const auto showPending = [&] {
        if (pending)
            ShowRun(plan, *std::exchange(pending, std::nullopt), false);
    };

    for (std::size_t i = 0; i < plan.visible.size(); ++i) {
        const int shown = showIf(i);
        if (shown < 0)
            break;
        if (shown > 0 && plan.visible[i] == 0) {
            if (pending)
                pending->last = i;
            else
                pending = Run{i, i};
        } else if (shown > 0) {
            showPending();
        } else {
            showPending();
            if (plan.visible[i] != 0) {
                plan.visible[i] = 0;
                plan.commands.push_back({SheetCommand::Kind::Remove, 0, 0, 0, IdOf(i), false});
            }
        }
    }
    showPending();

    for (std::size_t i = 0; i < plan.visible.size(); ++i)
        if (hasEnableIf(i))
            plan.commands.push_back({SheetCommand::Kind::Refresh, 0, 0, 0, IdOf(i), false});
    return plan;
}

}  // namespace Vantor
