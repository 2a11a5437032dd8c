#include "standins/host/internal/ServiceRegistry.h"

#include "standins/host/internal/ServiceFault.h"

#include <cstdio>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>

namespace StandinHost::ServiceRegistry {
namespace {

std::mutex mutex;
std::map<const void*, ObjectServices*> objects;

}  // namespace

void Add(const void* rdPtr, ObjectServices& services) {
    std::lock_guard lock(mutex);
    if (!objects.emplace(rdPtr, &services).second) throw std::logic_error("an object with this rdPtr is already known");
}

void Remove(const void* rdPtr) noexcept {
    std::lock_guard lock(mutex);
    objects.erase(rdPtr);
}

ObjectServices& Find(const void* rdPtr, const char* service) noexcept {
    {
        std::lock_guard lock(mutex);
        const auto found = objects.find(rdPtr);
        if (found != objects.end()) return *found->second;
    }
    char address[24];
    std::snprintf(address, sizeof address, "%p", rdPtr);
    ServiceFault(std::string(service) + " called with an object the host does not know (rdPtr " + address + ")");
}

}  // namespace StandinHost::ServiceRegistry
