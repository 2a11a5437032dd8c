// Every entry point the host looks up by its plain name, in the host's calling convention.
#pragma once

#include "sdk/host/HostRecords.h"

#define VANTOR_EXPORT extern "C" __declspec(dllexport)
