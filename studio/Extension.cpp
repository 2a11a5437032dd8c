#include "studio/Extension.h"

#include "sdk/diagnostics/Project.h"
#include "sdk/frame/ExtensionHooks.h"

const wchar_t* const Vantor::kProjectName = L"Vantor Template";
const Vantor::ExtensionHooks Vantor::kExtensionHooks = Vantor::HooksFor<Extension>();

Extension::Extension(Vantor::Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr) : ExtensionBase(rdPtr, edPtr, cobPtr)
{
}

std::uint32_t Extension::Handle()
{
    return 0;
}
