// What one bank file declares, as the reader hands it over: plain values, already checked.
#pragma once

#include <string>
#include <vector>

namespace FmodStandin {

struct ParameterDefinition {
    std::string name;
    float minimum = 0.0f;
    float maximum = 1.0f;
    float defaultValue = 0.0f;
    float seekSpeed = 0.0f;  // units per second towards a new value; 0 = at once
    std::vector<std::string> labels;  // when present, the range is 0 to labels.size() - 1
};

struct MarkerDefinition {
    int position = 0;  // ms, within [0, length)
    bool hasName = false;
    std::string name;
};

struct EventDefinition {
    std::string path;  // "event:/..."
    int lengthMs = 0;
    bool looping = false;
    bool is3D = false;
    int fadeoutMs = 0;
    double tempo = 0.0;  // beats per minute; 0 = no beat tracking
    int beatsPerBar = 4;
    int beatUnit = 4;
    std::vector<MarkerDefinition> markers;  // sorted by position
    std::vector<ParameterDefinition> parameters;
};

struct BankDefinition {
    std::string name;  // the bank's path is "bank:/" + name
    std::vector<std::string> buses;
    std::vector<std::string> vcas;
    std::vector<ParameterDefinition> globals;
    std::vector<EventDefinition> events;
};

}  // namespace FmodStandin
