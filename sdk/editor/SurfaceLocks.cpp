#include "sdk/editor/SurfaceLocks.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace Vantor {
namespace {

std::string Address(const void* address)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%08llX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address)));
    return text;
}

}  // namespace

std::optional<Problem> DestroyProblem(const SurfaceLocks& locks, std::string_view name, const void* address)
{
    if (!locks.buffer && !locks.alpha)
        return std::nullopt;
    const char* what = locks.buffer ? "locked buffer" : "locked alpha buffer";
    return Problem::Fatal(std::string(name) + "Destroying surface at " + Address(address) + ", but has " + what
                          + ".\n");
}

Problem CopyToSelfProblem(std::string_view name)
{
    return Problem::Fatal(std::string(name) + "Cannot copy to self.\n");
}

}  // namespace Vantor
