#include "FreshRecord.h"
#include "ProbeLibrary.h"

#include "standins/host/HostApplication.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <vector>

namespace StandinHostTests {
namespace {

using StandinHost::HostApplication;
using StandinHost::HostCall;

class HostApplicationTest : public FreshRecord {
protected:
    HostApplication host;
    ProbeLibrary probe;
};

TEST_F(HostApplicationTest, RecordIsZeroFilledButForItsServices) {
    Vantor::Host::mV* record = host.Record();
    EXPECT_EQ(record->window, nullptr);
    EXPECT_EQ(record->imageFilterManager, nullptr);
    EXPECT_NE(record->getVersion, nullptr);
    EXPECT_NE(record->callFunction, nullptr);
    const auto* bytes = reinterpret_cast<const unsigned char*>(record);
    const std::size_t servicesAt = offsetof(Vantor::Host::mV, getVersion);
    EXPECT_TRUE(std::all_of(bytes, bytes + servicesAt, [](unsigned char byte) { return byte == 0; }));
}

TEST_F(HostApplicationTest, VersionIsFusion25Build294UnlessSet) {
    EXPECT_EQ(probe.HostVersion(host.Record()), 0x02050000u + 294u);
    host.SetVersion(0x02054000u | 295u);
    EXPECT_EQ(host.Version(), 0x02054000u | 295u);
    EXPECT_EQ(probe.HostVersion(host.Record()), 0x02054000u | 295u);
    EXPECT_EQ(host.VersionCalls(), 2u);
}

TEST_F(HostApplicationTest, CallFunctionAnswersFromItsTableAndRecordsEveryCall) {
    host.SetCallAnswer(Vantor::Host::kCallIsUnicode, 1);
    host.SetCallAnswer(Vantor::Host::kCallObjectListEntryIsLarge, 0xABCD);
    int editData = 0;
    EXPECT_EQ(probe.HostCall(host.Record(), &editData, Vantor::Host::kCallIsUnicode, 1, -2, 3), 1u);
    EXPECT_EQ(probe.HostCall(host.Record(), nullptr, Vantor::Host::kCallObjectListEntryIsLarge, 0, 0, 0), 0xABCDu);
    EXPECT_EQ(probe.HostCall(host.Record(), nullptr, Vantor::Host::kCallLoadObject, 7, 8, 9), 0u);

    const std::vector<HostCall> expected = {
        {&editData, Vantor::Host::kCallIsUnicode, 1, -2, 3},
        {nullptr, Vantor::Host::kCallObjectListEntryIsLarge, 0, 0, 0},
        {nullptr, Vantor::Host::kCallLoadObject, 7, 8, 9},
    };
    EXPECT_EQ(host.Calls(), expected);
    EXPECT_EQ(host.TakeCalls(), expected);
    EXPECT_TRUE(host.Calls().empty());
}

TEST_F(HostApplicationTest, WindowTellsEditorFromBuiltGame) {
    void* const editor = reinterpret_cast<void*>(0x00C0FFEE);
    host.SetWindow(editor);
    EXPECT_EQ(host.Record()->window, editor);
    host.SetWindow(nullptr);
    EXPECT_EQ(host.Record()->window, nullptr);
}

TEST_F(HostApplicationTest, OnlyOneApplicationLivesAtATime) {
    EXPECT_THROW(HostApplication second, std::logic_error);
    EXPECT_EQ(probe.HostVersion(host.Record()), HostApplication::kDefaultVersion);
}

TEST(HostApplicationLifeTest, NextApplicationMayFollowTheLast) {
    { HostApplication first; }
    HostApplication next;
    EXPECT_EQ(next.Record()->getVersion(), HostApplication::kDefaultVersion);
}

TEST(HostApplicationDeathTest, ServiceCalledAfterTheApplicationIsGoneAborts) {
    Vantor::Host::VersionFunction kept = nullptr;
    {
        HostApplication gone;
        kept = gone.Record()->getVersion;
    }
    EXPECT_DEATH(kept(), "called a host service after its HostApplication was destroyed");
}

}  // namespace
}  // namespace StandinHostTests
