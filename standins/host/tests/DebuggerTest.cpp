#include "ProbeLibrary.h"

#include <winternl.h>

#include <gtest/gtest.h>

namespace StandinHostTests {
namespace {

// Marks the process as debugged, the flag IsDebuggerPresent reads, for the life of the object.
class PretendDebugger {
public:
    PretendDebugger() : peb_(NtCurrentTeb()->ProcessEnvironmentBlock), was_(peb_->BeingDebugged) {
        peb_->BeingDebugged = TRUE;
    }
    ~PretendDebugger() { peb_->BeingDebugged = was_; }
    PretendDebugger(const PretendDebugger&) = delete;
    PretendDebugger& operator=(const PretendDebugger&) = delete;

private:
    PPEB peb_;
    BYTE was_;
};

TEST(DebuggerTest, ExtensionSeesNoDebuggerEvenWhenOneIsAttached) {
    ProbeLibrary probe;
    PretendDebugger debugger;
    ASSERT_TRUE(IsDebuggerPresent());
    EXPECT_FALSE(probe.SeesDebugger());
}

}  // namespace
}  // namespace StandinHostTests
