// The host application as extensions see it: its mV record with the version function and the
// call-function service, both recording every call.
#pragma once

#include "sdk/host/HostRecords.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace StandinHost {

// One call of the call-function service, with its arguments as the extension passed them.
struct HostCall {
    void* edPtr = nullptr;
    std::int32_t code = 0;
    std::intptr_t arg1 = 0;
    std::intptr_t arg2 = 0;
    std::intptr_t arg3 = 0;

    bool operator==(const HostCall&) const = default;
};

// The services in mV are plain function pointers without a context argument, so they reach the
// application through a process-wide pointer to the one HostApplication alive: constructing a
// second one while one lives throws std::logic_error, and a service called when none lives (a
// library that kept the pointers of a destroyed one) writes the fault to stderr and aborts.
// Calls may come from any thread; destroy the application only once no library calls it any more.
// The services are noexcept: an exception must not unwind through the extension's frames.
class HostApplication {
public:
    // Fusion 2.5, build 294, standard edition.
    static constexpr std::uint32_t kDefaultVersion = Vantor::Host::kFusion25 | 294u;

    HostApplication();
    ~HostApplication();
    HostApplication(const HostApplication&) = delete;
    HostApplication& operator=(const HostApplication&) = delete;

    // The record to hand to Initialize, LoadObject and the editor exports; its address is stable
    // for the application's life. Zero-filled but for the two services; tests may alter fields.
    Vantor::Host::mV* Record() noexcept { return &record_; }

    void SetVersion(std::uint32_t version);
    std::uint32_t Version() const;
    // Null is a built game; any non-null value (it is never used as a real window) is the editor.
    void SetWindow(void* window) noexcept { record_.window = window; }

    // What the call-function service answers for `code`; codes never set answer 0.
    void SetCallAnswer(std::int32_t code, std::uint32_t answer);
    // Asked first for every call, outside the application's lock so that it may call back into the
    // application; no value falls back on the answers. One handler at a time; empty removes it.
    using CallHandler = std::function<std::optional<std::uint32_t>(const HostCall&)>;
    void SetCallHandler(CallHandler handler);
    // The object's name that code 6 with 403 hands over as a fresh 'STRW' object; none answers null.
    void SetObjectName(std::optional<std::wstring> name);
    // The application value at offset 52, which the editor changes when another application opens.
    void SetCurrentApplication(std::uint32_t value) noexcept { record_.currentApplication = value; }
    std::vector<HostCall> Calls() const;
    std::vector<HostCall> TakeCalls();
    std::size_t VersionCalls() const;

private:
    static HostApplication& Current();
    static std::uint32_t VANTOR_HOSTCALL VersionService() noexcept;
    static std::uint32_t VANTOR_HOSTCALL CallService(void* edPtr, std::int32_t code, std::intptr_t arg1,
                                                     std::intptr_t arg2, std::intptr_t arg3) noexcept;

    Vantor::Host::mV record_{};
    mutable std::mutex mutex_;
    std::uint32_t version_ = kDefaultVersion;
    std::map<std::int32_t, std::uint32_t> answers_;
    CallHandler handler_;
    std::optional<std::wstring> objectName_;
    std::vector<HostCall> calls_;
    std::size_t versionCalls_ = 0;
};

}  // namespace StandinHost
