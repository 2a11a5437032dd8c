#include "standins/host/Frame.h"

namespace StandinHost {

Frame::~Frame() {
    while (!objects_.empty()) objects_.pop_back();
}

RunObject& Frame::Create(const ExtensionLibrary& library, RunObjectOptions options) {
    objects_.push_back(std::make_unique<RunObject>(library, header_, options));
    return *objects_.back();
}

std::vector<std::uint32_t> Frame::Tick() {
    std::vector<std::uint32_t> results;
    results.reserve(objects_.size());
    for (const auto& object : objects_) results.push_back(object->Handle());
    return results;
}

}  // namespace StandinHost
