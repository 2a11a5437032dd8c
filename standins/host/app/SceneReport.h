// What the scene trace prints besides the calls: the simulated studio and the boxes shown.
#pragma once

#include <ostream>

#include "standins/host/ExpressionResult.h"

namespace StandinHost {

// The studio's trace lines since the last call, then forgets them.
void ReportStudioTrace(std::wostream& out);
// Boxes and log lines of every library since the last call, then forgets them.
void ReportBoxes(std::wostream& out);
void ReportInstances(std::wostream& out);
void ReportGlobals(std::wostream& out);
std::wstring ResultText(const ExpressionResult& result);

}  // namespace StandinHost
