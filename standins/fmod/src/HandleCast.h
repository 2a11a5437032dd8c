// The classes' objects are handle values: converting between them and the simulation's handles.
#pragma once

#include <cstdint>
#include <vector>

#include "Handles.h"
#include "fmod_common.h"

namespace FmodStandin {

template <typename T>
Handle HandleOf(const T* object)
{
    return static_cast<Handle>(reinterpret_cast<std::uintptr_t>(object));
}

template <typename T>
T* ObjectOf(Handle handle)
{
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(handle));
}

// Runs a lookup that yields a handle into *out, which is null whenever nothing was found.
template <typename T, typename Lookup>
FMOD_RESULT HandOut(T** out, Lookup lookup)
{
    if (out == nullptr) return FMOD_ERR_INVALID_PARAM;
    Handle handle = 0;
    const FMOD_RESULT result = lookup(handle);
    *out = ObjectOf<T>(handle);
    return result;
}

// Fills array with up to capacity handles; count receives how many were written.
template <typename T>
FMOD_RESULT CopyHandleList(FMOD_RESULT result, const std::vector<Handle>& handles, T** array, int capacity, int* count)
{
    if (count != nullptr) *count = 0;
    if (result != FMOD_OK) return result;
    if (capacity < 0 || (array == nullptr && capacity > 0)) return FMOD_ERR_INVALID_PARAM;
    std::size_t written = 0;
    for (; written < handles.size() && written < static_cast<std::size_t>(capacity); ++written) {
        array[written] = ObjectOf<T>(handles[written]);
    }
    if (count != nullptr) *count = static_cast<int>(written);
    return FMOD_OK;
}

}  // namespace FmodStandin
