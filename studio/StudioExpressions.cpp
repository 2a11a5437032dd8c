// The studio object's expressions: a global parameter as a number or as its label. Failures
// give 0.0 or an empty text.
#include <cstring>

#include "sdk/text/Utf.h"
#include "studio/Extension.h"
#include "studio/Sonbridge.h"

namespace {

constexpr int kLabelBufferSize = 256;

}  // namespace

float Extension::GetGlobalParameter(const wchar_t* name)
{
    float value = 0.0f;
    const FMOD_RESULT result = Sonbridge::studioSystem->getParameterByName(Vantor::ToUtf8(name).c_str(), &value, nullptr);
    return result == FMOD_OK ? value : 0.0f;
}

const wchar_t* Extension::GetLabelledGlobalParameter(const wchar_t* name)
{
    const std::string utf8 = Vantor::ToUtf8(name);
    float value = 0.0f;
    if (Sonbridge::studioSystem->getParameterByName(utf8.c_str(), &value, nullptr) != FMOD_OK)
        return Runtime.CopyString(L"");

    FMOD_STUDIO_PARAMETER_DESCRIPTION description;
    std::memset(&description, 0, sizeof description);
    if (Sonbridge::studioSystem->getParameterDescriptionByName(utf8.c_str(), &description) != FMOD_OK)
        return Runtime.CopyString(L"");

    char label[kLabelBufferSize] = {};
    int retrieved = 0;
    const int index = static_cast<int>(value);  // truncation toward zero
    if (Sonbridge::studioSystem->getParameterLabelByID(description.id, index, label, kLabelBufferSize, &retrieved)
        != FMOD_OK)
        return Runtime.CopyString(L"");
    return Runtime.CopyString(Vantor::ToUtf16UpToZero(label, sizeof label));
}
