#include "standins/host/internal/TextBuffers.h"

#include <functional>

namespace StandinHost {

void* TextBuffers::Allocate(std::size_t bytes) {
    buffers_.push_back({std::make_unique<std::byte[]>(bytes), bytes});
    return buffers_.back().bytes.get();
}

std::optional<std::size_t> TextBuffers::BytesFrom(const void* address) const {
    const auto* target = static_cast<const std::byte*>(address);
    for (const Buffer& buffer : buffers_) {
        const std::byte* start = buffer.bytes.get();
        // std::less gives a total order even for pointers into different blocks.
        if (!std::less<const std::byte*>{}(target, start) && std::less<const std::byte*>{}(target, start + buffer.size))
            return static_cast<std::size_t>(start + buffer.size - target);
    }
    return std::nullopt;
}

}  // namespace StandinHost
