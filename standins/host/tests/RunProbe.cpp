#include "RunProbe.h"

#include "ProbeLibrary.h"

#include <cstdint>
#include <cstdio>

namespace StandinHostTests {

std::filesystem::path RunProbeTest::Path() { return TestFolder() / L"standin_probe" / L"standin_run_probe.dll"; }

RunProbeTest::RunProbeTest() : library(Path()), runHeader(host) {
    SetPlan("");
    SetDescribes(true);
}

void RunProbeTest::SetPlan(const char* steps) const {
    library.Export<void(__stdcall*)(const char*)>("RunProbeSetPlan")(steps);
}

void RunProbeTest::SetDescribes(bool describes) const {
    library.Export<void(__stdcall*)(std::int32_t)>("RunProbeSetDescribes")(describes ? 1 : 0);
}

std::vector<std::wstring> RunProbeTest::TakeLines() const {
    std::vector<std::wstring> lines;
    for (const StandinHost::LogRecord& log : Record().TakeLogs(library.Module())) lines.push_back(log.text);
    return lines;
}

std::wstring Hex(const void* address) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%08X", static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(address)));
    return text;
}

}  // namespace StandinHostTests
