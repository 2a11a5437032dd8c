#include "standins/host/internal/ServiceFault.h"

#include <cstdio>
#include <cstdlib>

namespace StandinHost {

void ServiceFault(const std::string& why) noexcept {
    std::fprintf(stderr, "[host] %s\n", why.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace StandinHost
