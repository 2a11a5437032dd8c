#include "ParameterState.h"

#include <algorithm>
#include <cmath>

#include "Utf8Text.h"

namespace FmodStandin {

FMOD_RESULT ParameterState::Set(float value, bool ignoreSeekSpeed)
{
    if (!std::isfinite(value)) return FMOD_ERR_INVALID_FLOAT;
    value_ = std::clamp(value, definition_->minimum, definition_->maximum);
    if (ignoreSeekSpeed || definition_->seekSpeed <= 0.0f) finalValue_ = value_;
    return FMOD_OK;
}

FMOD_RESULT ParameterState::SetByLabel(std::string_view label, bool ignoreSeekSpeed)
{
    const std::string wanted = FoldAsciiCase(label);
    const auto& labels = definition_->labels;
    for (std::size_t index = 0; index < labels.size(); ++index) {
        if (FoldAsciiCase(labels[index]) == wanted) return Set(static_cast<float>(index), ignoreSeekSpeed);
    }
    return FMOD_ERR_EVENT_NOTFOUND;
}

void ParameterState::Advance(int stepMs)
{
    if (finalValue_ == value_) return;
    const float reach = definition_->seekSpeed * static_cast<float>(stepMs) / 1000.0f;
    if (std::fabs(value_ - finalValue_) <= reach) {
        finalValue_ = value_;
    } else {
        finalValue_ += value_ > finalValue_ ? reach : -reach;
    }
}

}  // namespace FmodStandin
