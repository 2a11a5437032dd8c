// The run probe (tests/probe/RunProbe.cpp) loaded under a fresh host application and run
// header, with its plan and its log lines at hand.
#pragma once

#include "FreshRecord.h"

#include "standins/host/ExtensionLibrary.h"
#include "standins/host/HostApplication.h"
#include "standins/host/RunHeader.h"

#include <filesystem>
#include <string>
#include <vector>

namespace StandinHostTests {

class RunProbeTest : public FreshRecord {
protected:
    static std::filesystem::path Path();

    RunProbeTest();

    // The steps every jump-table slot runs (see RunProbe.cpp).
    void SetPlan(const char* steps) const;
    void SetDescribes(bool describes) const;
    // The probe's log lines since the last take.
    std::vector<std::wstring> TakeLines() const;

    StandinHost::HostApplication host;
    StandinHost::ExtensionLibrary library;
    StandinHost::RunHeader runHeader;
};

// An address as the probe writes it: eight upper-case hexadecimal digits.
std::wstring Hex(const void* address);

}  // namespace StandinHostTests
