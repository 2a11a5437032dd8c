// A loaded extension library with typed calls of the exports the tests use most.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "sdk/host/HostRecords.h"
#include "standins/host/ExtensionLibrary.h"
#include "standins/host/Recorder.h"

namespace TestSupport {

class LoadedExtension {
public:
    explicit LoadedExtension(const std::filesystem::path& path);

    StandinHost::ExtensionLibrary& Library() { return library_; }

    template <class F>
    F Export(const char* name) const
    {
        return library_.Export<F>(name);
    }

    std::int32_t Initialize(Vantor::Host::mV* mV, bool quiet = false);
    Vantor::Host::RunInfos Describe(Vantor::Host::mV* mV);
    // The four identifier bytes of the description, as text.
    std::string Identifier(Vantor::Host::mV* mV);
    // One of GetActionMenu, GetConditionMenu, GetExpressionMenu, written out as text.
    std::wstring Menu(const char* exportName, Vantor::Host::mV* mV);

    // What this library showed or wrote since the last take.
    std::vector<StandinHost::BoxRecord> TakeBoxes();
    std::vector<StandinHost::LogRecord> TakeLogs();

private:
    StandinHost::ExtensionLibrary library_;
};

// "title | text" of each box, for compact assertions.
std::vector<std::wstring> BoxLines(const std::vector<StandinHost::BoxRecord>& boxes);

}  // namespace TestSupport
