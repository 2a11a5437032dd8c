#include "eventinstance/LiveObjects.h"

namespace LiveObjects {
namespace {

std::unordered_set<Extension*>& Mutable()
{
    static std::unordered_set<Extension*> objects;
    return objects;
}

}  // namespace

std::mutex& Lock()
{
    static std::mutex lock;
    return lock;
}

const std::unordered_set<Extension*>& Objects()
{
    return Mutable();
}

void Add(Extension* object)
{
    const std::lock_guard<std::mutex> lock(Lock());
    Mutable().insert(object);
}

void Remove(Extension* object)
{
    const std::lock_guard<std::mutex> lock(Lock());
    Mutable().erase(object);
}

}  // namespace LiveObjects
