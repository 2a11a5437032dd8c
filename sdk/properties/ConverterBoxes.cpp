#include "sdk/properties/ConverterBoxes.h"

#include <string>

namespace Vantor {
namespace {

constexpr std::string_view kConversionTitle = "Property conversion error";

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

Problem ReaderFailureBox(std::string_view readerName, std::string_view failure)
{
    if (failure.empty())
        failure = "unknown error";
    else if (IsWhiteSpace(failure.back()))
        failure.remove_suffix(1);
    return Problem::Warning(std::string(kConversionTitle),
        std::string(readerName) + " converter encountered a failure: " + std::string(failure) + ". Delegating.");
}

Problem NoReadersBox(std::string_view projectName, bool quiet)
{
    if (quiet)
        return Problem::Error("Property reading error",
            "Setting up " + std::string(projectName) + " object properties from JSON failed.");
    return Problem::Error(std::string(kConversionTitle),
        "All " + std::string(projectName)
            + " property readers have failed. Your property data is corrupt beyond recovery or reset. "
              "Please re-add the object to frame.");
}

Problem NoValueBox(std::size_t jsonIndex, std::string_view title)
{
    return Problem::Error(std::string(kConversionTitle),
        "All converters have failed for property " + std::to_string(jsonIndex) + " (" + std::string(title)
            + "). Your property data is corrupt beyond recovery or reset. Please re-add the object to "
              "frame.");
}

Problem CheckboxFailureBox()
{
    return Problem::Error(std::string(kConversionTitle), "Couldn't read check box of some properties. Delegating.");
}

}  // namespace Vantor
