// The routines every jump-table slot points at; the host calls them with the object's RUNDATA.
#pragma once

#include <cstdint>

#include "sdk/host/HostRecords.h"

namespace Vantor::Ovik {

std::int32_t VANTOR_HOSTCALL Action(void* rdPtr, std::int32_t param1, std::int32_t param2);
std::int32_t VANTOR_HOSTCALL Condition(void* rdPtr, std::int32_t param1, std::int32_t param2);
std::int32_t VANTOR_HOSTCALL Expression(void* rdPtr, std::int32_t unused);

}  // namespace Vantor::Ovik
