// The event-instance objects alive in this library. An instance's callback may arrive on the
// audio runtime's thread after its object was destroyed, or while it is being destroyed: it
// reaches the object only through WithLive, which holds the lock that destruction takes too.
#pragma once

class Extension;

namespace LiveObjects {

void Add(Extension* object);
void Remove(Extension* object);

// Runs `use` on the object while it cannot be destroyed; does nothing when it is not alive.
template <class Use>
void WithLive(void* object, Use use);

}  // namespace LiveObjects

#include "eventinstance/LiveObjects.inl"
