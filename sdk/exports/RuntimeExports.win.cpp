// The run-time entry points: start-up and the object's description.
#include <cstring>
#include <windows.h>

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Paths.h"
#include "sdk/exports/Export.h"
#include "sdk/frame/EditDataSizeCache.h"
#include "sdk/frame/Init.h"
#include "sdk/frame/Sdk.h"

using Vantor::Host::mV;
using Vantor::Host::RunInfos;

VANTOR_EXPORT BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH && !Vantor::ModuleHandle())
        Vantor::SetModuleHandle(module);
    return TRUE;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL Initialize(mV* mV, std::int32_t quiet)
{
    if (::SDK)
        return 0;
    return Vantor::Ovik::Init(mV, quiet != 0);
}

VANTOR_EXPORT std::uint32_t VANTOR_HOSTCALL GetInfos(std::int32_t info)
{
    switch (info) {
    case 0: return 0x300;
    case 2: return 0x100;
    case 6: return 2;
    case 7: return 254;
    case 8: return 1;
    default: return 0;
    }
}

// An empty list of dependency names: its first entry is already the terminator.
VANTOR_EXPORT const wchar_t* VANTOR_HOSTCALL GetDependencies()
{
    static const wchar_t kNoDependencies[8] = {};
    return kNoDependencies;
}

VANTOR_EXPORT std::uint16_t VANTOR_HOSTCALL GetRunObjectDataSize(void* rhPtr, void* edPtr)
{
    return 188;
}

VANTOR_EXPORT std::int16_t VANTOR_HOSTCALL GetRunObjectInfos(mV* mV, RunInfos* infos)
{
    if (!infos)
        return 0;
    if (!::SDK) {  // a failed Initialize: describe nothing rather than read a missing definition
        std::memset(infos, 0, sizeof *infos);
        return 0;
    }
    const json_value& language = Vantor::Ovik::CurrentLanguage();
    infos->conditions = ::SDK->conditionJumps.data();
    infos->actions = ::SDK->actionJumps.data();
    infos->expressions = ::SDK->expressionJumps.data();
    infos->numConditions = static_cast<std::uint16_t>(Vantor::ElementCount(Vantor::Member(language, "Conditions")));
    infos->numActions = static_cast<std::uint16_t>(Vantor::ElementCount(Vantor::Member(language, "Actions")));
    infos->numExpressions = static_cast<std::uint16_t>(Vantor::ElementCount(Vantor::Member(language, "Expressions")));
    infos->editDataSize = Vantor::Ovik::EditDataSize();
    infos->oeFlags = 0;
    infos->windowProcPriority = 100;
    infos->loadPreferences = 0;

    char identifier[4] = {};
    const std::string_view text = Vantor::Text(Vantor::Member(::SDK->json(), "Identifier"));
    std::memcpy(identifier, text.data(), text.size() < 4 ? text.size() : 4);
    std::memcpy(&infos->identifier, identifier, 4);
    infos->version = 0x0101;
    return 1;
}
