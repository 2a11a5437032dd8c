// What the stand-in host throws when an extension library cannot be loaded, hooked or looked into.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace StandinHost {

class ExtensionLibraryError : public std::runtime_error {
public:
    explicit ExtensionLibraryError(const std::string& message, std::uint32_t windowsError = 0)
        : std::runtime_error(message), windowsError_(windowsError) {}

    // The Windows error code behind the failure, 0 when Windows reported none.
    std::uint32_t WindowsError() const noexcept { return windowsError_; }

private:
    std::uint32_t windowsError_;
};

}  // namespace StandinHost
