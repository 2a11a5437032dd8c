// The run header services as real __stdcall functions, one per run header offset.
#pragma once

#include <cstddef>
#include <cstdint>

namespace StandinHost {

// Every offset at which the host installs a service.
bool IsRunServiceOffset(std::size_t offset) noexcept;

// Writes every service into a run header block of at least RunHeader::kSize bytes.
void InstallRunServices(std::uint8_t* runHeader) noexcept;

}  // namespace StandinHost
