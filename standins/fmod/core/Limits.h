// Bounds on everything a bank file or a caller can make the simulation hold or do.
#pragma once

#include <cstddef>

namespace FmodStandin::Limits {

constexpr std::size_t kNameBytes = 255;       // parameter, label, marker and bank names
constexpr std::size_t kPathBytes = 511;       // event:/, bus:/, vca:/ and bank:/ paths
constexpr std::size_t kFilePathBytes = 1024;  // bank file names given to loadBankFile
constexpr std::size_t kFileBytes = 1 << 20;   // a bank file larger than this is refused
constexpr std::size_t kLineBytes = 4096;

constexpr std::size_t kEventsPerBank = 4096;
constexpr std::size_t kMixerStripsPerBank = 1024;
constexpr std::size_t kGlobalsPerBank = 256;
constexpr std::size_t kMarkersPerEvent = 256;
constexpr std::size_t kParametersPerEvent = 64;
constexpr std::size_t kLabelsPerParameter = 64;

constexpr std::size_t kLoadedBanks = 256;
constexpr std::size_t kLiveInstances = 4096;
constexpr std::size_t kTraceLines = 4096;

constexpr int kMaxLengthMs = 24 * 60 * 60 * 1000;
constexpr int kMaxFadeoutMs = 60 * 1000;
constexpr double kMaxTempo = 1000.0;
constexpr int kMaxBeatsPerBar = 64;
constexpr double kMaxParameterMagnitude = 1e6;

constexpr int kMinClockStepMs = 1;
constexpr int kMaxClockStepMs = 1000;
constexpr int kDefaultClockStepMs = 20;
constexpr int kDefaultFadeoutMs = 100;

constexpr int kMaxChannels = 4095;

}  // namespace FmodStandin::Limits
