#include "CallbackDispatcher.h"

#include <cstdint>

namespace FmodStandin {

namespace {

thread_local Handle instanceInCallback = 0;

class InCallback {
public:
    explicit InCallback(Handle instance) : previous_(instanceInCallback) { instanceInCallback = instance; }
    ~InCallback() { instanceInCallback = previous_; }
    InCallback(const InCallback&) = delete;
    InCallback& operator=(const InCallback&) = delete;

private:
    Handle previous_;
};

}  // namespace

bool CallbackDispatcher::InsideCallback()
{
    return instanceInCallback != 0;
}

Handle CallbackDispatcher::InstanceInCallback()
{
    return instanceInCallback;
}

void CallbackDispatcher::Enqueue(PendingCallback pending)
{
    queue_.push_back(std::move(pending));
    if (thread_ == CallbackThread::StudioThread) wake_.notify_one();
}

void CallbackDispatcher::DeliverFromUpdate(std::unique_lock<std::mutex>& lock)
{
    if (thread_ == CallbackThread::StudioThread) {
        wake_.notify_one();
        return;
    }
    // What callbacks queue while these run waits for the next update.
    std::deque<PendingCallback> batch;
    batch.swap(queue_);
    for (PendingCallback& pending : batch) Deliver(pending, lock);
}

void CallbackDispatcher::WaitUntilIdle(std::unique_lock<std::mutex>& lock)
{
    if (thread_ != CallbackThread::StudioThread || std::this_thread::get_id() == worker_.get_id()) return;
    idle_.wait(lock, [this] { return queue_.empty() && !delivering_; });
}

void CallbackDispatcher::SetThread(CallbackThread thread, std::unique_lock<std::mutex>& lock)
{
    if (thread == thread_) return;
    if (thread == CallbackThread::StudioThread) {
        stopWorker_ = false;
        thread_ = thread;
        worker_ = std::thread([this] { RunWorker(); });
        return;
    }
    WaitUntilIdle(lock);
    stopWorker_ = true;
    wake_.notify_one();
    std::thread worker = std::move(worker_);
    lock.unlock();
    worker.join();
    lock.lock();
    thread_ = thread;
}

void CallbackDispatcher::Deliver(PendingCallback& pending, std::unique_lock<std::mutex>& lock)
{
    if (pending.retire) {
        host_.Retire(pending.instance);
        return;
    }
    const FMOD_STUDIO_EVENT_CALLBACK callback = host_.Resolve(pending);
    if (callback == nullptr) return;
    void* parameters = nullptr;
    if (pending.type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER) {
        pending.marker.name = pending.markerHasName ? pending.markerName.c_str() : nullptr;
        parameters = &pending.marker;
    } else if (pending.type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT) {
        parameters = &pending.beat;
    }
    auto* event = reinterpret_cast<FMOD_STUDIO_EVENTINSTANCE*>(static_cast<std::uintptr_t>(pending.instance));
    lock.unlock();
    {
        const InCallback scope(pending.instance);
        callback(pending.type, event, parameters);
    }
    lock.lock();
}

void CallbackDispatcher::RunWorker()
{
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopWorker_ || !queue_.empty(); });
        if (stopWorker_) break;
        PendingCallback pending = std::move(queue_.front());
        queue_.pop_front();
        delivering_ = true;
        Deliver(pending, lock);
        delivering_ = false;
        if (queue_.empty()) idle_.notify_all();
    }
    idle_.notify_all();
}

}  // namespace FmodStandin
