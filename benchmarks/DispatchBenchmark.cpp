// How long one host call costs through the framework's jump-table routines, beside a
// hand-written path that does what the framework must do for that call and no more
// (tests/extension/DirectPaths.cpp); the cost of creating and destroying an object; the
// products' library sizes; and how many heap allocations the action and condition paths make.
//
// Both paths run against one minimal host of this file's own, with its parameter records laid
// out once, so the figures are the framework's own cost and not the stand-in host's. Each
// figure is the best of several rounds, the two paths taking turns, since other work on the
// machine only ever adds time.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "sdk/host/RunRecords.h"
#include "standins/host/ExtensionLibrary.h"
#include "standins/host/HostApplication.h"
#include "standins/host/internal/ImportTable.h"

using namespace Vantor::Host;

namespace {

using Slot = std::int32_t(VANTOR_HOSTCALL*)(void*, std::int32_t, std::int32_t);
using ExpressionSlot = std::int32_t(VANTOR_HOSTCALL*)(void*, std::int32_t);

constexpr int kIterations = 50'000;
constexpr int kRounds = 101;
constexpr int kBenchTwoIntegers = 6, kBenchFloatAndText = 7, kBenchCondition = 5, kBenchHalf = 5;

std::atomic<long> allocations{0};
void* __cdecl CountingMalloc(std::size_t size) { ++allocations; return std::malloc(size); }
void* __cdecl CountingCalloc(std::size_t count, std::size_t size) { ++allocations; return std::calloc(count, size); }
void* __cdecl CountingRealloc(void* block, std::size_t size) { ++allocations; return std::realloc(block, size); }

const float kHalfOf = 3.0f;
std::int32_t VANTOR_HOSTCALL FloatService(void*, std::int32_t, std::int32_t) { return std::bit_cast<std::int32_t>(kHalfOf); }
std::int32_t VANTOR_HOSTCALL TextBufferService(void*, std::int32_t, std::int32_t size)
{
    static std::vector<std::uint8_t> buffer(4096);
    return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(buffer.data()));
}

// Parameter records for two 32-bit parameters, and the run header that serves them.
struct MinimalHost {
    alignas(4) std::uint8_t records[32] = {};
    std::vector<std::uint8_t> runHeader = std::vector<std::uint8_t>(4732);
    std::vector<std::uint8_t> application = std::vector<std::uint8_t>(256);
    std::vector<std::uint8_t> rundata = std::vector<std::uint8_t>(1024);
    const wchar_t* text = L"bench";

    MinimalHost()
    {
        for (int i = 0; i < 2; ++i) {
            ParameterRecord head{8, static_cast<std::uint16_t>(i == 0 ? 22 : 45)};
            std::memcpy(records + 8 * i, &head, sizeof head);
        }
        Install(kServicePreloadedFloat, &FloatService);
        Install(kServiceFirstExpressionParameter, &FloatService);
        Install(kServiceTextBuffer, &TextBufferService);
        void* app = application.data();
        std::memcpy(runHeader.data() + kRunHeaderApplication, &app, sizeof app);
        Data().header.runHeader = runHeader.data();
    }
    void Install(std::size_t offset, RunService service) { std::memcpy(runHeader.data() + offset, &service, sizeof service); }
    RUNDATA& Data() { return *reinterpret_cast<RUNDATA*>(rundata.data()); }
    void Call(std::int32_t id)
    {
        Data().header.calledNumber = id;
        Data().header.currentParameter = records;
    }
};

// A template rather than a std::function, so that the loop times the host's call alone.
template <class Call>
double NanosecondsPerCall(const Call& call, int iterations = kIterations)
{
    for (int i = 0; i < 1000; ++i)
        call();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < iterations; ++i)
        call();
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / iterations;
}

struct Figures {
    double framework, direct;
};

template <class Framework, class Direct>
Figures BestOfRounds(const Framework& framework, const Direct& direct)
{
    Figures best{1e300, 1e300};
    for (int round = 0; round < kRounds; ++round) {
        best.framework = std::min(best.framework, NanosecondsPerCall(framework));
        best.direct = std::min(best.direct, NanosecondsPerCall(direct));
    }
    return best;
}

void Row(const char* what, Figures figures)
{
    std::printf("  %-26s %8.1f ns   hand-written %8.1f ns   ratio %.2f\n", what, figures.framework, figures.direct,
                figures.framework / figures.direct);
}

// Removes the old copy first: this libstdc++'s overwrite_existing refuses a file that exists.
void CopyFresh(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::filesystem::remove(to);
    std::filesystem::copy_file(from, to);
}

std::uintmax_t SizeOf(const std::filesystem::path& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::filesystem::path bin = std::filesystem::path(argv[0]).parent_path();
    const std::filesystem::path folder = bin.parent_path() / "benchmark";
    std::filesystem::create_directories(folder);
    CopyFresh(bin / "VantorTest.mfx", folder / "VantorTest.mfx");
    CopyFresh(bin / "mmfs2.dll", folder / "mmfs2.dll");
    CopyFresh(argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::path(VANTOR_BENCH_DEFINITION),
              folder / "VantorTest.json");

    StandinHost::HostApplication application;
    StandinHost::ExtensionLibrary library(folder / "VantorTest.mfx");
    if (library.Export<std::int32_t(VANTOR_HOSTCALL*)(mV*, std::int32_t)>("Initialize")(application.Record(), 0) != 0) {
        std::fprintf(stderr, "the test extension did not start\n");
        return 1;
    }
    RunInfos infos{};
    library.Export<std::int16_t(VANTOR_HOSTCALL*)(mV*, RunInfos*)>("GetRunObjectInfos")(application.Record(), &infos);
    const auto create = library.Export<std::int32_t(VANTOR_HOSTCALL*)(RUNDATA*, void*, void*)>("CreateRunObject");
    const auto destroy = library.Export<std::int32_t(VANTOR_HOSTCALL*)(RUNDATA*, std::int32_t)>("DestroyRunObject");

    MinimalHost host;
    std::uint8_t createInfo[64] = {};
    create(&host.Data(), nullptr, createInfo);
    void* rd = &host.Data();

    const Slot action = static_cast<Slot*>(infos.actions)[kBenchTwoIntegers];
    const Slot condition = static_cast<Slot*>(infos.conditions)[kBenchCondition];
    const ExpressionSlot expression = static_cast<ExpressionSlot*>(infos.expressions)[kBenchHalf];
    const auto directTwo = library.Export<Slot>("VantorTest_DirectTwoIntegers");
    const auto directFloat = library.Export<Slot>("VantorTest_DirectFloatAndText");
    const auto directCondition = library.Export<Slot>("VantorTest_DirectCondition");
    const auto directHalf = library.Export<ExpressionSlot>("VantorTest_DirectHalf");
    const auto text = static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(host.text));

    std::printf("Dispatch of one host call (best of %d rounds of %d calls):\n", kRounds, kIterations);
    Row("action, two integers", BestOfRounds([&] { host.Call(kBenchTwoIntegers); action(rd, 1, 2); },
                                             [&] { host.Call(kBenchTwoIntegers); directTwo(rd, 1, 2); }));
    Row("action, float and text", BestOfRounds([&] { host.Call(kBenchFloatAndText); action(rd, 3, text); },
                                               [&] { host.Call(kBenchFloatAndText); directFloat(rd, 3, text); }));
    Row("condition, one integer", BestOfRounds([&] { host.Call(kBenchCondition); condition(rd, 5, 0); },
                                               [&] { host.Call(kBenchCondition); directCondition(rd, 5, 0); }));
    Row("expression, float", BestOfRounds([&] { host.Call(kBenchHalf); expression(rd, 0); },
                                          [&] { host.Call(kBenchHalf); directHalf(rd, 0); }));

    // Allocations: the library's own calls to the C runtime's allocator, counted at its imports.
    const StandinHost::ImportReplacement counting[] = {
        {"msvcrt.dll", "malloc", reinterpret_cast<const void*>(&CountingMalloc)},
        {"msvcrt.dll", "calloc", reinterpret_cast<const void*>(&CountingCalloc)},
        {"msvcrt.dll", "realloc", reinterpret_cast<const void*>(&CountingRealloc)},
    };
    StandinHost::ReplaceImports(library.Module(), counting);
    allocations = 0;
    for (int i = 0; i < 10000; ++i) {
        host.Call(kBenchTwoIntegers);
        action(rd, 1, 2);
        host.Call(kBenchFloatAndText);
        action(rd, 3, text);
        host.Call(kBenchCondition);
        condition(rd, 5, 0);
    }
    std::printf("Heap allocations in 30000 action and condition calls: %ld\n", allocations.load());

    destroy(&host.Data(), 0);
    std::printf("Creating and destroying one object: %.0f ns\n", NanosecondsPerCall([&] {
                    create(&host.Data(), nullptr, createInfo);
                    destroy(&host.Data(), 0);
                }, 20000));

    std::printf("Library sizes: Tonvale.mfx %ju bytes, Velisse.mfx %ju bytes\n", SizeOf(bin / "Tonvale.mfx"),
                SizeOf(bin / "Velisse.mfx"));
    return 0;
}
