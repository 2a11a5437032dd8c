#include "standins/host/HostApplication.h"
#include "standins/host/RunHeader.h"

#include "sdk/host/RunRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <stdexcept>
#include <vector>

namespace StandinHostTests {
namespace {

using namespace Vantor::Host;
using StandinHost::HostApplication;
using StandinHost::RunHeader;

constexpr std::size_t kServices[] = {kServiceTextBuffer,    kServiceFirstExpressionParameter,
                                     kServiceNextExpressionParameter, kServiceNextParameter,
                                     kServicePreloadedFloat, kServiceEditInteger, kServiceEditText};

template <class T>
T At(const RunHeader& runHeader, std::size_t offset) {
    T value;
    std::memcpy(&value, static_cast<const std::uint8_t*>(runHeader.Address()) + offset, sizeof value);
    return value;
}

bool IsZero(const void* block, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(block);
    return std::all_of(bytes, bytes + size, [](std::uint8_t byte) { return byte == 0; });
}

class RunHeaderTest : public ::testing::Test {
protected:
    HostApplication host;
};

TEST_F(RunHeaderTest, EveryServiceIsInstalledAsItsOwnFunction) {
    RunHeader runHeader(host);
    std::set<RunService> seen;
    for (const std::size_t offset : kServices) {
        SCOPED_TRACE(offset);
        const auto service = At<RunService>(runHeader, offset);
        EXPECT_NE(service, nullptr);
        seen.insert(service);
    }
    EXPECT_EQ(seen.size(), std::size(kServices));
}

TEST_F(RunHeaderTest, BlockIsZeroFilledButForItsPointersAndServices) {
    RunHeader runHeader(host);
    std::vector<std::uint8_t> copy(RunHeader::kSize);
    std::memcpy(copy.data(), runHeader.Address(), copy.size());
    for (const std::size_t offset : kServices) std::memset(copy.data() + offset, 0, sizeof(RunService));
    for (const std::size_t offset : {kRunHeaderApplication, kRunHeaderQualifiers, kRunHeaderObjectTable})
        std::memset(copy.data() + offset, 0, sizeof(void*));
    EXPECT_TRUE(IsZero(copy.data(), copy.size()));
}

TEST_F(RunHeaderTest, PointsAtItsZeroFilledApplicationQualifiersAndObjectTable) {
    RunHeader runHeader(host);
    EXPECT_EQ(At<void*>(runHeader, kRunHeaderApplication), runHeader.Application());
    EXPECT_EQ(At<void*>(runHeader, kRunHeaderQualifiers), runHeader.Qualifiers());
    EXPECT_EQ(At<void*>(runHeader, kRunHeaderObjectTable), runHeader.ObjectTable());
    EXPECT_TRUE(IsZero(runHeader.Application(), RunHeader::kApplicationSize));
    EXPECT_TRUE(IsZero(runHeader.Qualifiers(), RunHeader::kQualifierTableSize));
    EXPECT_TRUE(IsZero(runHeader.ObjectTable(), RunHeader::kObjectTableSize));
}

TEST_F(RunHeaderTest, ApplicationFlagsLieAtOffset26) {
    RunHeader runHeader(host);
    runHeader.SetApplicationFlags(0xC006);
    std::uint16_t flags;
    std::memcpy(&flags, static_cast<const std::uint8_t*>(runHeader.Application()) + 26, sizeof flags);
    EXPECT_EQ(flags, 0xC006);
}

TEST_F(RunHeaderTest, NoObjectTypesByDefault) {
    RunHeader runHeader(host);
    EXPECT_EQ(At<std::int32_t>(runHeader, kRunHeaderObjectListCount), 0);
    EXPECT_EQ(At<void*>(runHeader, kRunHeaderObjectListBase), nullptr);
    EXPECT_THROW(runHeader.ObjectList(0), std::out_of_range);
}

TEST_F(RunHeaderTest, ObjectTypeListHasSmallEntriesAndTellsTheHostSo) {
    RunHeader runHeader(host, {.objectListCount = 3});
    EXPECT_EQ(At<std::int32_t>(runHeader, kRunHeaderObjectListCount), 3);
    auto* base = At<std::uint8_t*>(runHeader, kRunHeaderObjectListBase);
    EXPECT_EQ(runHeader.ObjectList(0), base);
    EXPECT_EQ(runHeader.ObjectList(2), base + 2 * 142);
    EXPECT_EQ(runHeader.ObjectListEntrySize(), 142u);
    EXPECT_TRUE(IsZero(base, 3 * 142));
    EXPECT_THROW(runHeader.ObjectList(3), std::out_of_range);
    EXPECT_EQ(host.Record()->callFunction(nullptr, kCallObjectListEntryIsLarge, 0, 0, 0), 0u);
}

TEST_F(RunHeaderTest, LargeEntriesAreAnsweredByTheCallFunctionService) {
    RunHeader runHeader(host, {.objectListCount = 2, .largeObjectListEntries = true});
    auto* base = At<std::uint8_t*>(runHeader, kRunHeaderObjectListBase);
    EXPECT_EQ(runHeader.ObjectList(1), base + 146);
    EXPECT_TRUE(IsZero(base, 2 * 146));
    EXPECT_NE(host.Record()->callFunction(nullptr, kCallObjectListEntryIsLarge, 0, 0, 0), 0u);
}

TEST_F(RunHeaderTest, NegativeObjectTypeCountIsRejected) {
    EXPECT_THROW(RunHeader(host, {.objectListCount = -1}), std::invalid_argument);
}

TEST_F(RunHeaderTest, RemovedServiceLeavesItsSlotEmpty) {
    RunHeader runHeader(host);
    runHeader.RemoveService(kServiceTextBuffer);
    EXPECT_EQ(At<RunService>(runHeader, kServiceTextBuffer), nullptr);
    EXPECT_NE(At<RunService>(runHeader, kServiceNextParameter), nullptr);
    EXPECT_THROW(runHeader.RemoveService(kRunHeaderObjectTable), std::invalid_argument);
}

TEST_F(RunHeaderTest, TwoRunHeadersShareNothing) {
    RunHeader first(host);
    RunHeader second(host);
    first.SetTextBufferFailure(true);
    EXPECT_TRUE(first.TextBuffersFail());
    EXPECT_FALSE(second.TextBuffersFail());
    EXPECT_NE(first.Application(), second.Application());
    EXPECT_NE(first.ObjectTable(), second.ObjectTable());
}

}  // namespace
}  // namespace StandinHostTests
