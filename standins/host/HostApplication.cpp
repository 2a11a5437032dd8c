#include "standins/host/HostApplication.h"

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
    std::lock_guard lock(application.mutex_);
    application.calls_.push_back({edPtr, code, arg1, arg2, arg3});
    const auto answer = application.answers_.find(code);
    return answer != application.answers_.end() ? answer->second : 0;
}

}  // namespace StandinHost
