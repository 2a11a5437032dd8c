#pragma once

#include <mutex>
#include <unordered_set>

namespace LiveObjects {

std::mutex& Lock();
const std::unordered_set<Extension*>& Objects();

template <class Use>
void WithLive(void* object, Use use)
{
    const std::lock_guard<std::mutex> lock(Lock());
    const auto& objects = Objects();
    const auto found = objects.find(static_cast<Extension*>(object));
    if (found != objects.end())
        use(**found);
}

}  // namespace LiveObjects
