#include "standins/host/HostApplication.h"

#include "standins/host/HostProps.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace StandinHost {
namespace {

std::atomic<HostApplication*> current{nullptr};

}  // namespace

HostApplication::HostApplication() {
    HostApplication* none = nullptr;
    if (!current.compare_exchange_strong(none, this)) {
        throw std::logic_error("a HostApplication already exists; only one may live at a time");
    }
    record_.getVersion = &VersionService;
    record_.callFunction = &CallService;
}

HostApplication::~HostApplication() { current.store(nullptr); }

void HostApplication::SetVersion(std::uint32_t version) {
    std::lock_guard lock(mutex_);
    version_ = version;
}

std::uint32_t HostApplication::Version() const {
    std::lock_guard lock(mutex_);
    return version_;
}

void HostApplication::SetCallAnswer(std::int32_t code, std::uint32_t answer) {
    std::lock_guard lock(mutex_);
    answers_[code] = answer;
}

void HostApplication::SetCallHandler(CallHandler handler) {
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
}

void HostApplication::SetObjectName(std::optional<std::wstring> name) {
    std::lock_guard lock(mutex_);
    objectName_ = std::move(name);
}

std::vector<HostCall> HostApplication::Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

std::vector<HostCall> HostApplication::TakeCalls() {
    std::lock_guard lock(mutex_);
    return std::exchange(calls_, {});
}

std::size_t HostApplication::VersionCalls() const {
    std::lock_guard lock(mutex_);
    return versionCalls_;
}

HostApplication& HostApplication::Current() {
    HostApplication* const application = current.load();
    if (application == nullptr) {
        std::fputs("[host] an extension called a host service after its HostApplication was destroyed\n", stderr);
        std::fflush(stderr);
        std::abort();
    }
    return *application;
}

std::uint32_t VANTOR_HOSTCALL HostApplication::VersionService() noexcept {
    HostApplication& application = Current();
    std::lock_guard lock(application.mutex_);
    ++application.versionCalls_;
    return application.version_;
}

std::uint32_t VANTOR_HOSTCALL HostApplication::CallService(void* edPtr, std::int32_t code, std::intptr_t arg1,
                                                           std::intptr_t arg2, std::intptr_t arg3) noexcept {
    HostApplication& application = Current();
    const HostCall call{edPtr, code, arg1, arg2, arg3};
    CallHandler handler;
    {
        std::lock_guard lock(application.mutex_);
        application.calls_.push_back(call);
        handler = application.handler_;
    }
    if (handler) {
        try {
            if (const std::optional<std::uint32_t> answer = handler(call))
                return *answer;
        } catch (const std::exception& error) {
            std::fprintf(stderr, "[host] call handler failed on code %d: %s\n", static_cast<int>(code), error.what());
            std::fflush(stderr);
            std::abort();
        }
    }
    std::lock_guard lock(application.mutex_);
    if (code == Vantor::Host::kCallGetObjectProperty && arg1 == Vantor::Host::kObjectPropertyName) {
        if (!application.objectName_)
            return 0;
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(MakeHostWStr(*application.objectName_)));
    }
    const auto answer = application.answers_.find(code);
    return answer != application.answers_.end() ? answer->second : 0;
}

}  // namespace StandinHost
