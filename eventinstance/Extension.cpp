#include "eventinstance/Extension.h"

#include "eventinstance/LiveObjects.h"
#include "sdk/diagnostics/Project.h"
#include "sdk/frame/ExtensionHooks.h"

const wchar_t* const Vantor::kProjectName = L"Velisse";
const Vantor::ExtensionHooks Vantor::kExtensionHooks = Vantor::HooksFor<Extension>();

Extension::Extension(Vantor::Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr) : ExtensionBase(rdPtr, edPtr, cobPtr)
{
    LinkAction(0, &Extension::CreateEventInstance);
    LinkAction(1, &Extension::StartEventInstance);
    LinkAction(2, &Extension::StopEventInstance);
    LinkAction(3, &Extension::ReleaseEventInstance);
    LinkAction(4, &Extension::SetEventParameter);
    LinkAction(5, &Extension::SetEventParameterWithLabel);
    LinkAction(6, &Extension::SetEvent3DTransform);
    LinkAction(7, &Extension::StartTracking);
    LinkAction(8, &Extension::StopTracking);
    LinkCondition(0, &Extension::IsEventInstancePlaying);
    LinkExpression(0, &Extension::GetEventParameter);
    LinkExpression(1, &Extension::GetLabelledEventParameter);
    LinkExpression(2, &Extension::GetLastCallback);
    LiveObjects::Add(this);
}

// The instance plays on. Once the object is gone its callbacks find nothing alive; and the
// instance's user data is taken back, so an object made later at this address never receives
// callbacks meant for this one.
Extension::~Extension()
{
    if (tracked_) {
        tracked_->setCallback(nullptr, 0);
        tracked_->setUserData(nullptr);
    }
    LiveObjects::Remove(this);
}

std::uint32_t Extension::Handle()
{
    return 0;
}
