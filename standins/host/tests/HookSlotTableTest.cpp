#include "standins/host/internal/HookSlotTable.h"

#include "standins/host/ExtensionLibraryError.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace StandinHostTests {
namespace {

using StandinHost::HookSlotTable;

HMODULE FakeModule(std::size_t n) { return reinterpret_cast<HMODULE>(0x10000000 + n * 0x10000); }

TEST(HookSlotTableTest, ModuleIsInstalledOnceAndSharesItsSlot) {
    HookSlotTable table;
    int installs = 0;
    auto install = [&installs](std::size_t) { ++installs; };
    const std::size_t slot = table.Acquire(FakeModule(1), install);
    EXPECT_EQ(table.Acquire(FakeModule(1), install), slot);
    EXPECT_EQ(installs, 1);
    EXPECT_EQ(table.ModuleOf(slot), FakeModule(1));

    table.Release(slot);
    EXPECT_EQ(table.ModuleOf(slot), FakeModule(1));
    table.Release(slot);
    EXPECT_EQ(table.ModuleOf(slot), nullptr);
    table.Acquire(FakeModule(1), install);
    EXPECT_EQ(installs, 2);
}

TEST(HookSlotTableTest, ModuleIsKnownWhileItsHooksGoIn) {
    HookSlotTable table;
    HMODULE seen = nullptr;
    table.Acquire(FakeModule(2), [&](std::size_t slot) { seen = table.ModuleOf(slot); });
    EXPECT_EQ(seen, FakeModule(2));
}

TEST(HookSlotTableTest, FailedInstallFreesTheSlot) {
    HookSlotTable table;
    std::size_t failedSlot = HookSlotTable::kCapacity;
    EXPECT_THROW(table.Acquire(FakeModule(3),
                               [&](std::size_t slot) {
                                   failedSlot = slot;
                                   throw std::runtime_error("cannot patch");
                               }),
                 std::runtime_error);
    ASSERT_LT(failedSlot, HookSlotTable::kCapacity);
    EXPECT_EQ(table.ModuleOf(failedSlot), nullptr);
    int installs = 0;
    table.Acquire(FakeModule(3), [&](std::size_t) { ++installs; });
    EXPECT_EQ(installs, 1);
}

TEST(HookSlotTableTest, FullTableRefusesAnotherModuleUntilOneIsReleased) {
    HookSlotTable table;
    std::set<std::size_t> slots;
    for (std::size_t n = 0; n < HookSlotTable::kCapacity; ++n)
        slots.insert(table.Acquire(FakeModule(n), [](std::size_t) {}));
    EXPECT_EQ(slots.size(), HookSlotTable::kCapacity);
    EXPECT_THROW(table.Acquire(FakeModule(99), [](std::size_t) {}), StandinHost::ExtensionLibraryError);
    table.Release(*slots.begin());
    EXPECT_EQ(table.Acquire(FakeModule(99), [](std::size_t) {}), *slots.begin());
}

TEST(HookSlotTableTest, ReleasingAFreeOrUnknownSlotChangesNothing) {
    HookSlotTable table;
    const std::size_t slot = table.Acquire(FakeModule(4), [](std::size_t) {});
    table.Release(slot + 1);
    table.Release(HookSlotTable::kCapacity + 5);
    EXPECT_EQ(table.ModuleOf(slot), FakeModule(4));
    EXPECT_EQ(table.ModuleOf(HookSlotTable::kCapacity), nullptr);
}

}  // namespace
}  // namespace StandinHostTests
