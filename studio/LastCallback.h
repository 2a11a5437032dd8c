// The last event callback an object recorded, as UTF-8 text. Written on the audio runtime's
// thread, read on the host's: every access holds the lock, and readers get a copy.
#pragma once

#include <mutex>
#include <string>

class LastCallback {
public:
    void Set(std::string text)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        text_ = std::move(text);
    }

    std::string Get() const
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        return text_;
    }

private:
    mutable std::mutex mutex_;
    std::string text_;
};
