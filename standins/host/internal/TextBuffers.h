// The text buffers the host hands out through its text-buffer service. They belong to one
// object and live until it is destroyed, so a text result stays readable for the whole test.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace StandinHost {

class TextBuffers {
public:
    // A zero-filled buffer of `bytes` bytes, aligned for UTF-16.
    void* Allocate(std::size_t bytes);

    // How many bytes of its buffer lie from `address` to the buffer's end; nothing when the
    // address lies in no buffer handed out.
    std::optional<std::size_t> BytesFrom(const void* address) const;

private:
    struct Buffer {
        std::unique_ptr<std::byte[]> bytes;
        std::size_t size;
    };
    std::vector<Buffer> buffers_;
};

}  // namespace StandinHost
