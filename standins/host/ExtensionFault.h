// What the stand-in host throws when an extension answers something the host cannot take: no
// object description, an empty jump-table slot, a text that runs past its buffer.
#pragma once

#include <stdexcept>
#include <string>

namespace StandinHost {

class ExtensionFault : public std::runtime_error {
public:
    explicit ExtensionFault(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace StandinHost
