// A readable log of what the simulated studio did, newest last, oldest dropped past the limit.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace FmodStandin {

class TraceLog {
public:
    void Add(long long clockMs, const std::string& text);
    std::vector<std::string> Lines() const { return {lines_.begin(), lines_.end()}; }
    void Clear() { lines_.clear(); }

private:
    std::deque<std::string> lines_;
};

}  // namespace FmodStandin
