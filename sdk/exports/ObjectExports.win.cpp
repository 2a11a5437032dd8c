// The editor's object exports: a new object's properties, a copied object's repair, the icon in
// the object list and the object's picture in the frame editor.
#include <windows.h>

#include <cstddef>

#include "sdk/editor/Compatibility.h"
#include "sdk/editor/EditorDisplay.h"
#include "sdk/editor/EditorIcon.h"
#include "sdk/editor/NewObject.h"
#include "sdk/exports/Export.h"
#include "sdk/frame/HostRecord.h"
#include "sdk/frame/Sdk.h"
#include "sdk/host/Mmfs2.h"
#include "sdk/properties/StoredBlockCheck.h"

using Vantor::Host::cSurface;
using Vantor::Host::mV;

// The host hands EditorDisplay a RECT.
static_assert(sizeof(Vantor::EditorRectangle) == sizeof(RECT));
static_assert(offsetof(Vantor::EditorRectangle, bottom) == offsetof(RECT, bottom));

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL CreateObject(mV* mV, void*, void* edPtr)
{
    if (!Vantor::IsCompatibleHost(mV))
        return -1;
    Vantor::Ovik::AdoptHostRecord(mV, edPtr);
    return Vantor::FillNewObject(mV, edPtr);
}

VANTOR_EXPORT void VANTOR_HOSTCALL DuplicateObject(mV*, void*, void* edPtr)
{
    Vantor::CheckLoadedBlock(edPtr);
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL MakeIconEx(mV*, cSurface* iconPtr, wchar_t*, void*, void*)
{
    const Vantor::Surface* picture = ::SDK && ::SDK->icon ? ::SDK->icon->Picture() : nullptr;
    if (picture && iconPtr) {
        Mmfs2_CloneSurface(iconPtr, picture->HostSurface());
        Mmfs2_SetTransparentColor(iconPtr, Vantor::Host::kMagenta);
    }
    return 0;
}

VANTOR_EXPORT void VANTOR_HOSTCALL EditorDisplay(mV* mV, void*, void*, void*, const Vantor::EditorRectangle* rectangle)
{
    Vantor::DrawInEditor(mV, rectangle);
}
