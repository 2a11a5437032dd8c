#include "TraceLog.h"

#include <cstdio>

#include "Limits.h"

namespace FmodStandin {

void TraceLog::Add(long long clockMs, const std::string& text)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%7lld ms] ", clockMs);
    lines_.push_back(stamp + text);
    if (lines_.size() > Limits::kTraceLines) lines_.pop_front();
}

}  // namespace FmodStandin
