#include "ParameterAccess.h"

#include "OutText.h"

namespace FmodStandin {

FMOD_RESULT ReadParameter(const ParameterState* parameter, float* value, float* finalValue)
{
    if (parameter == nullptr) return FMOD_ERR_EVENT_NOTFOUND;
    if (value != nullptr) *value = parameter->Value();
    if (finalValue != nullptr) *finalValue = parameter->FinalValue();
    return FMOD_OK;
}

FMOD_RESULT CopyLabel(const ParameterDefinition& parameter, int index, char* label, int size, int* retrieved)
{
    if (index < 0 || static_cast<std::size_t>(index) >= parameter.labels.size()) return FMOD_ERR_INVALID_PARAM;
    return CopyOutText(parameter.labels[static_cast<std::size_t>(index)], label, size, retrieved);
}

}  // namespace FmodStandin
