// One frame of the game as the host runs it: a run header and the objects created in it, each
// ticked once per frame in creation order.
#pragma once

#include "standins/host/ExtensionLibrary.h"
#include "standins/host/HostApplication.h"
#include "standins/host/RunHeader.h"
#include "standins/host/RunObject.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace StandinHost {

class Frame {
public:
    explicit Frame(HostApplication& host, RunHeaderOptions options = {}) : header_(host, options) {}
    // Ends the frame: destroys its objects, the last created first, then the run header.
    ~Frame();
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    RunHeader& Header() noexcept { return header_; }

    // A new object of `library` in this frame; see RunObject for what it calls and throws.
    RunObject& Create(const ExtensionLibrary& library, RunObjectOptions options = {});
    std::size_t ObjectCount() const noexcept { return objects_.size(); }
    RunObject& Object(std::size_t index) const { return *objects_.at(index); }

    // HandleRunObject of every object once, in creation order; their results in that order.
    std::vector<std::uint32_t> Tick();

private:
    RunHeader header_;
    std::vector<std::unique_ptr<RunObject>> objects_;
};

}  // namespace StandinHost
