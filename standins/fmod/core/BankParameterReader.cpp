#include "BankParameterReader.h"

#include <cmath>
#include <optional>
#include <set>

#include "Limits.h"
#include "Utf8Text.h"

namespace FmodStandin {

namespace {

struct ParameterOptions {
    std::optional<double> minimum;
    std::optional<double> maximum;
    std::optional<double> defaultValue;
    std::optional<double> seekSpeed;
    std::optional<std::vector<std::string>> labels;
};

double BoundedNumber(BankCursor& cursor, const std::string& key)
{
    const double value = cursor.Number("a number after '" + key + "'");
    if (std::fabs(value) > Limits::kMaxParameterMagnitude) throw BankError("'" + key + "' is out of range");
    return value;
}

std::vector<std::string> ReadLabels(BankCursor& cursor)
{
    std::vector<std::string> labels;
    std::set<std::string> seen;
    do {
        std::string label = cursor.Text("a label", Limits::kNameBytes);
        if (!seen.insert(FoldAsciiCase(label)).second) throw BankError("label \"" + label + "\" given twice");
        labels.push_back(std::move(label));
        if (labels.size() > Limits::kLabelsPerParameter) {
            throw BankError("more than " + std::to_string(Limits::kLabelsPerParameter) + " labels");
        }
    } while (cursor.NextIsText());
    return labels;
}

template <typename T>
void SetOnce(std::optional<T>& slot, T value, const std::string& key)
{
    if (slot) throw BankError("'" + key + "' given twice");
    slot = std::move(value);
}

ParameterOptions ReadOptions(BankCursor& cursor)
{
    ParameterOptions options;
    while (!cursor.AtEnd()) {
        const std::string key = cursor.Word("a parameter option");
        if (key == "min") {
            SetOnce(options.minimum, BoundedNumber(cursor, key), key);
        } else if (key == "max") {
            SetOnce(options.maximum, BoundedNumber(cursor, key), key);
        } else if (key == "default") {
            SetOnce(options.defaultValue, BoundedNumber(cursor, key), key);
        } else if (key == "seek") {
            SetOnce(options.seekSpeed, BoundedNumber(cursor, key), key);
        } else if (key == "labels") {
            SetOnce(options.labels, ReadLabels(cursor), key);
        } else {
            throw BankError("unknown parameter option '" + key + "'");
        }
    }
    return options;
}

// A labelled parameter counts its labels: 0 to count - 1, whole values only.
void ApplyLabels(const ParameterOptions& options, ParameterDefinition& parameter)
{
    const double top = static_cast<double>(options.labels->size() - 1);
    if (options.minimum.value_or(0.0) != 0.0 || options.maximum.value_or(top) != top) {
        throw BankError("a labelled parameter ranges from 0 to its label count less one");
    }
    const double defaultValue = options.defaultValue.value_or(0.0);
    if (defaultValue != std::floor(defaultValue)) throw BankError("a labelled parameter's default is a whole number");
    parameter.labels = *options.labels;
    parameter.minimum = 0.0f;
    parameter.maximum = static_cast<float>(top);
    parameter.defaultValue = static_cast<float>(defaultValue);
}

}  // namespace

ParameterDefinition ReadParameterOptions(BankCursor& cursor, std::string name)
{
    const ParameterOptions options = ReadOptions(cursor);
    ParameterDefinition parameter;
    parameter.name = std::move(name);
    if (options.labels) {
        ApplyLabels(options, parameter);
    } else {
        if (!options.minimum || !options.maximum) throw BankError("a parameter without labels needs 'min' and 'max'");
        if (*options.minimum > *options.maximum) throw BankError("'min' is above 'max'");
        parameter.minimum = static_cast<float>(*options.minimum);
        parameter.maximum = static_cast<float>(*options.maximum);
        parameter.defaultValue = static_cast<float>(options.defaultValue.value_or(*options.minimum));
    }
    if (parameter.defaultValue < parameter.minimum || parameter.defaultValue > parameter.maximum) {
        throw BankError("'default' lies outside the range");
    }
    const double seek = options.seekSpeed.value_or(0.0);
    if (seek < 0.0) throw BankError("'seek' is negative");
    parameter.seekSpeed = static_cast<float>(seek);
    return parameter;
}

}  // namespace FmodStandin
