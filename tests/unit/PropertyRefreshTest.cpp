// Planning the sheet after a change: hidden properties taken out, shown runs put back in
// JSON order with the visible properties after them re-added behind, "EnableIf" refreshes.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "sdk/properties/RefreshPlan.h"

using namespace Vantor;

namespace {

using Kind = SheetCommand::Kind;

SheetCommand Remove(std::size_t index) { return {Kind::Remove, 0, 0, 0, kFirstPropertyId + std::uint32_t(index), false}; }
SheetCommand Insert(std::size_t first, std::size_t last, std::uint32_t after)
{
    return {Kind::InsertRun, first, last, after, 0, false};
}
SheetCommand Refresh(std::size_t index) { return {Kind::Refresh, 0, 0, 0, kFirstPropertyId + std::uint32_t(index), false}; }

RefreshPlan Plan(std::vector<std::uint8_t> visible, std::vector<int> shown, std::vector<bool> enableIf = {})
{
    std::vector<std::size_t> asked;
    RefreshPlan plan = PlanRefresh(
        std::move(visible),
        [&](std::size_t i) {
            asked.push_back(i);
            return shown.at(i);
        },
        [&](std::size_t i) { return i < enableIf.size() && enableIf[i]; });
    // Rules are asked in order, and none after a malformed one.
    for (std::size_t i = 0; i < asked.size(); ++i)
        EXPECT_EQ(asked[i], i);
    return plan;
}

TEST(RefreshPlan, NothingChangesWhenTheSheetAgrees)
{
    const RefreshPlan plan = Plan({1, 1, 0}, {1, 1, 0});
    EXPECT_EQ(plan.visible, (std::vector<std::uint8_t>{1, 1, 0}));
    EXPECT_TRUE(plan.commands.empty());
}

TEST(RefreshPlan, HidingRemovesTheProperty)
{
    const RefreshPlan plan = Plan({1, 1, 1, 1, 1, 1}, {1, 1, 0, 1, 1, 1});
    EXPECT_EQ(plan.visible, (std::vector<std::uint8_t>{1, 1, 0, 1, 1, 1}));
    EXPECT_EQ(plan.commands, std::vector<SheetCommand>{Remove(2)});
}

TEST(RefreshPlan, ShowingAgainPutsItBackBetweenItsNeighbours)
{
    // Property 3 of 6 (index 2) comes back after index 1; 3..5 go out and come back behind it.
    const RefreshPlan plan = Plan({1, 1, 0, 1, 1, 1}, {1, 1, 1, 1, 1, 1});
    EXPECT_EQ(plan.visible, (std::vector<std::uint8_t>(6, 1)));
    EXPECT_EQ(plan.commands,
        (std::vector<SheetCommand>{
            Remove(3), Remove(4), Remove(5), Insert(2, 2, kFirstPropertyId + 1), Insert(3, 5, kFirstPropertyId + 2)}));
}

TEST(RefreshPlan, RemovedRunsComeBackSeparatelyAroundHiddenOnes)
{
    const RefreshPlan plan = Plan({1, 0, 1, 0, 1}, {1, 1, 1, 0, 1});
    EXPECT_EQ(plan.commands,
        (std::vector<SheetCommand>{Remove(2), Remove(4), Insert(1, 1, kFirstPropertyId), Insert(2, 2, kFirstPropertyId + 1),
            Insert(4, 4, kFirstPropertyId + 3)}));
}

TEST(RefreshPlan, ConsecutiveShownPropertiesGoBackAsOneRun)
{
    const RefreshPlan plan = Plan({0, 0, 1}, {1, 1, 1});
    EXPECT_EQ(plan.commands, (std::vector<SheetCommand>{Remove(2), Insert(0, 1, kSheetAnchorId), Insert(2, 2, kFirstPropertyId + 1)}));
}

TEST(RefreshPlan, AMalformedRuleStopsThePassButNotTheEnableRefreshes)
{
    const RefreshPlan plan = Plan({1, 0, 1}, {0, -1, 0}, {false, true, true});
    EXPECT_EQ(plan.visible, (std::vector<std::uint8_t>{0, 0, 1}));
    EXPECT_EQ(plan.commands, (std::vector<SheetCommand>{Remove(0), Refresh(1), Refresh(2)}));
}

TEST(RefreshPlan, ARunPendingAtTheEndIsShown)
{
    const RefreshPlan plan = Plan({1, 0, 0}, {1, 1, 1});
    EXPECT_EQ(plan.commands, std::vector<SheetCommand>{Insert(1, 2, kFirstPropertyId)});
}

}  // namespace
