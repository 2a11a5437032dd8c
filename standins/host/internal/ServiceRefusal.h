// Why a run header service cannot answer: the extension asked out of order or for something the
// call does not hold. The service boundary turns it into a report on stderr and an abort.
#pragma once

#include <stdexcept>
#include <string>

namespace StandinHost {

class ServiceRefusal : public std::runtime_error {
public:
    explicit ServiceRefusal(const std::string& why) : std::runtime_error(why) {}
};

}  // namespace StandinHost
