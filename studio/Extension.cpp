#include "studio/Extension.h"

#include "sdk/diagnostics/Project.h"
#include "sdk/frame/ExtensionHooks.h"
#include "sdk/properties/PropertyAccess.h"
#include "sdk/text/Utf.h"
#include "studio/Sonbridge.h"

const wchar_t* const Vantor::kProjectName = L"Vantor Template";
const Vantor::ExtensionHooks Vantor::kExtensionHooks = Vantor::HooksFor<Extension>();

Extension::Extension(Vantor::Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr) : ExtensionBase(rdPtr, edPtr, cobPtr)
{
    LinkAction(0, &Extension::LoadBank);
    LinkAction(1, &Extension::UnloadBank);
    LinkAction(2, &Extension::PlayOneShot);
    LinkAction(3, &Extension::PlayOneShot3D);
    LinkAction(4, &Extension::SetGlobalParameter);
    LinkAction(5, &Extension::SetGlobalParameterWithLabel);
    LinkAction(6, &Extension::SetListenerTransform);
    LinkAction(7, &Extension::SetBusVolume);
    LinkAction(8, &Extension::SetVCAVolume);
    LinkExpression(0, &Extension::GetGlobalParameter);
    LinkExpression(1, &Extension::GetLabelledGlobalParameter);

    // Read on every construction, used only while the runtime is not up yet.
    const Vantor::Properties& props = Vantor::PropertiesOf(edPtr);
    const std::wstring masterBank = props.GetPropertyStr("Master Bank Path");
    const std::wstring stringsBank = props.GetPropertyStr("Master Strings Bank Path");
    const bool liveUpdate = props.IsPropChecked("Enable Live Update");
    const float realChannels = props.GetPropertyNum("Real Channels");
    const float virtualChannels = props.GetPropertyNum("Virtual Channels");

    if (!Sonbridge::g_FMODInitialized) {
        const std::string strings = Vantor::ToUtf8(stringsBank);
        const std::string master = Vantor::ToUtf8(masterBank);
        Sonbridge::Init(master, strings, liveUpdate, static_cast<int>(realChannels), static_cast<int>(virtualChannels));
    }
}

std::uint32_t Extension::Handle()
{
    Sonbridge::Update();
    return 0;
}
