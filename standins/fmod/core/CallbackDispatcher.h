// Delivers queued callbacks either on the thread that calls System::update (inside it) or from a
// thread of its own, never holding the studio's lock while a callback runs. All members expect
// the studio's lock to be held by the caller.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "FmodStandinControl.h"
#include "PendingCallback.h"

namespace FmodStandin {

class DeliveryHost {
public:
    // The callback to run for pending now, or null when the instance no longer wants it.
    virtual FMOD_STUDIO_EVENT_CALLBACK Resolve(const PendingCallback& pending) = 0;
    virtual void Retire(Handle instance) = 0;

protected:
    ~DeliveryHost() = default;
};

class CallbackDispatcher {
public:
    CallbackDispatcher(std::mutex& mutex, DeliveryHost& host) : mutex_(mutex), host_(host) {}

    void Enqueue(PendingCallback pending);
    // In update mode: delivers what was queued before this call; on the studio thread: wakes it.
    void DeliverFromUpdate(std::unique_lock<std::mutex>& lock);
    void WaitUntilIdle(std::unique_lock<std::mutex>& lock);
    void SetThread(CallbackThread thread, std::unique_lock<std::mutex>& lock);
    CallbackThread Thread() const { return thread_; }
    void Discard() { queue_.clear(); }

    // True on a thread that is inside a callback; the instance it reports stays reachable there.
    static bool InsideCallback();
    static Handle InstanceInCallback();

private:
    void Deliver(PendingCallback& pending, std::unique_lock<std::mutex>& lock);
    void RunWorker();

    std::mutex& mutex_;
    DeliveryHost& host_;
    std::deque<PendingCallback> queue_;
    CallbackThread thread_ = CallbackThread::InUpdate;
    std::thread worker_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    bool stopWorker_ = false;
    bool delivering_ = false;
};

}  // namespace FmodStandin
