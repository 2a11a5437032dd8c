#include "standins/host/internal/RunServices.h"

#include "sdk/host/RunRecords.h"
#include "standins/host/internal/ServiceFault.h"
#include "standins/host/internal/ServiceRegistry.h"

#include <cstring>
#include <exception>
#include <string>

namespace StandinHost {
namespace {

using namespace Vantor::Host;

template <std::size_t Offset>
constexpr const char* kName = nullptr;
template <> constexpr const char* kName<kServiceTextBuffer> = "run service 872 (text buffer)";
template <> constexpr const char* kName<kServiceFirstExpressionParameter> = "run service 876 (first expression parameter)";
template <> constexpr const char* kName<kServiceNextExpressionParameter> = "run service 880 (next expression parameter)";
template <> constexpr const char* kName<kServiceNextParameter> = "run service 928 (next parameter)";
template <> constexpr const char* kName<kServicePreloadedFloat> = "run service 936 (preloaded float)";
template <> constexpr const char* kName<kServiceEditInteger> = "run service 944 (integer edit box)";
template <> constexpr const char* kName<kServiceEditText> = "run service 948 (text edit box)";

template <std::size_t Offset>
std::int32_t Answer(ObjectServices& services, std::int32_t a, std::int32_t b) {
    if constexpr (Offset == kServiceTextBuffer) return services.TextBuffer(b);
    if constexpr (Offset == kServiceFirstExpressionParameter) return services.ExpressionParameter(true, a);
    if constexpr (Offset == kServiceNextExpressionParameter) return services.ExpressionParameter(false, a);
    if constexpr (Offset == kServiceNextParameter) return services.NextParameter(a);
    if constexpr (Offset == kServicePreloadedFloat) return services.PreloadedFloat(a);
    if constexpr (Offset == kServiceEditInteger) return services.EditBox(EditBoxKind::Integer, b);
    if constexpr (Offset == kServiceEditText) return services.EditBox(EditBoxKind::Text, b);
}

template <std::size_t Offset>
std::int32_t VANTOR_HOSTCALL Service(void* rdPtr, std::int32_t a, std::int32_t b) noexcept {
    ObjectServices& services = ServiceRegistry::Find(rdPtr, kName<Offset>);
    try {
        services.CheckRunHeader();
        const std::int32_t answer = Answer<Offset>(services, a, b);
        services.Record({Offset, a, b, answer});
        return answer;
    } catch (const std::exception& error) {
        ServiceFault(std::string(kName<Offset>) + ": " + error.what());
    } catch (...) {
        ServiceFault(std::string(kName<Offset>) + ": an unknown failure");
    }
}

template <std::size_t Offset>
void Install(std::uint8_t* runHeader) noexcept {
    const RunService service = &Service<Offset>;
    std::memcpy(runHeader + Offset, &service, sizeof service);
}

template <std::size_t... Offsets>
struct ServiceSet {
    static bool Has(std::size_t offset) noexcept { return ((offset == Offsets) || ...); }
    static void InstallAll(std::uint8_t* runHeader) noexcept { (Install<Offsets>(runHeader), ...); }
};
using HostServices = ServiceSet<kServiceTextBuffer, kServiceFirstExpressionParameter, kServiceNextExpressionParameter,
                                kServiceNextParameter, kServicePreloadedFloat, kServiceEditInteger, kServiceEditText>;

}  // namespace

bool IsRunServiceOffset(std::size_t offset) noexcept { return HostServices::Has(offset); }

void InstallRunServices(std::uint8_t* runHeader) noexcept { HostServices::InstallAll(runHeader); }

}  // namespace StandinHost
