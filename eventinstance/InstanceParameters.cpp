// The instance's parameters and 3D attributes, and its parameters read back.
#include <cstring>

#include "eventinstance/Extension.h"
#include "sdk/text/Utf.h"
#include "studio/Attributes.h"

namespace {

constexpr int kLabelBufferSize = 256;

}  // namespace

void Extension::SetEventParameter(const wchar_t* name, float value)
{
    instance->setParameterByName(Vantor::ToUtf8(name).c_str(), value, false);
}

void Extension::SetEventParameterWithLabel(const wchar_t* name, const wchar_t* label)
{
    instance->setParameterByNameWithLabel(Vantor::ToUtf8(name).c_str(), Vantor::ToUtf8(label).c_str(), false);
}

void Extension::SetEvent3DTransform(float x, float y, float z, float forwardX, float forwardY, float forwardZ,
                                    float upX, float upY, float upZ)
{
    const FMOD_3D_ATTRIBUTES attributes = AttributesFrom(x, y, z, forwardX, forwardY, forwardZ, upX, upY, upZ);
    instance->set3DAttributes(&attributes);
}

float Extension::GetEventParameter(const wchar_t* name)
{
    float value = 0.0f;
    return instance->getParameterByName(Vantor::ToUtf8(name).c_str(), &value, nullptr) == FMOD_OK ? value : 0.0f;
}

const wchar_t* Extension::GetLabelledEventParameter(const wchar_t* name)
{
    const std::string utf8 = Vantor::ToUtf8(name);
    float value = 0.0f;
    if (instance->getParameterByName(utf8.c_str(), &value, nullptr) != FMOD_OK)
        return Runtime.CopyString(L"");

    FMOD_STUDIO_PARAMETER_DESCRIPTION parameter;
    std::memset(&parameter, 0, sizeof parameter);
    if (instance->getDescription(nullptr) != FMOD_OK)
        return Runtime.CopyString(L"");
    FMOD::Studio::EventDescription* description = nullptr;
    instance->getDescription(&description);
    if (!description || description->getParameterDescriptionByName(utf8.c_str(), &parameter) != FMOD_OK)
        return Runtime.CopyString(L"");

    char label[kLabelBufferSize] = {};
    int retrieved = 0;
    const int index = static_cast<int>(value);  // truncation toward zero
    if (description->getParameterLabelByID(parameter.id, index, label, kLabelBufferSize, &retrieved) != FMOD_OK)
        return Runtime.CopyString(L"");
    return Runtime.CopyString(Vantor::ToUtf16UpToZero(label, sizeof label));
}
