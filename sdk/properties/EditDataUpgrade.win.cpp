#include "sdk/properties/EditDataUpgrade.h"

#include <cstring>
#include <windows.h>

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/Project.h"
#include "sdk/diagnostics/Settings.h"
#include "sdk/frame/Sdk.h"
#include "sdk/host/PropValues.h"
#include "sdk/properties/EditDataConversion.h"
#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/ProblemBoxes.h"
#include "sdk/properties/UpgradeSummary.h"
#include "sdk/text/Utf.h"

namespace Vantor {
namespace {

// The object's name as the host's editor shows it; empty when the host gives none.
std::string HostObjectName(Host::mV* mV, void* edPtr)
{
    if (!mV || !mV->callFunction)
        return {};
    auto* prop = reinterpret_cast<Host::Prop*>(static_cast<std::uintptr_t>(
        mV->callFunction(edPtr, Host::kCallGetObjectProperty, Host::kObjectPropertyName, 0, 0)));
    if (!prop)
        return {};
    std::string name;
    if (Host::ClassIdOf(prop) == Host::kPropWStr) {
        const wchar_t* text = reinterpret_cast<Host::PropWStr*>(prop)->text;
        name = text ? ToUtf8(text) : std::string();
    }
    Host::Release(prop);
    return name;
}

void ShowSummary(Host::mV* mV, const Conversion& conversion, std::string_view objectName)
{
    static SummaryMemory memory;  // for the process: "once" means once per application
    const SummaryDecision decision = DecideSummary(ReadSetting("SmartPropertiesUpgradeBox"),
        mV ? mV->currentApplication : 0, memory, conversion, objectName);
    ShowProblems(decision.boxes);
    if (decision.info)
        InfoBox(ToUtf16(decision.info->title).c_str(), L"%s", ToUtf16(decision.info->text).c_str());
}

void* ToGlobalMemory(const std::vector<std::uint8_t>& block)
{
    HGLOBAL memory = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, block.size());
    if (!memory) {
        ErrorBox(L"GlobalAlloc failed", L"Failed to allocate %zu bytes for data during upgrade.", block.size());
        return nullptr;
    }
    std::memcpy(memory, block.data(), block.size());  // fixed memory: the handle is the address
    return memory;
}

}  // namespace

void* UpgradeEditData(Host::mV* mV, void* oldEdPtr)
{
    if (!oldEdPtr || !::SDK)
        return nullptr;
    auto* old = static_cast<std::uint8_t*>(oldEdPtr);
    std::uint32_t extSize = 0;
    std::memcpy(&extSize, old, sizeof extSize);  // the host's header is always there

    const json_value& language = Ovik::CurrentLanguage();
    const std::string languageName = ToUtf8(Ovik::CurrentLanguageName());
    const std::string projectName = ToUtf8(kProjectName);
    const Conversion conversion = ConvertEditData({{old, extSize}, Member(language, "Properties"), ::SDK->entryLists, languageName,
        projectName, ProcessEnvironment().runContext == RunContext::Quiet});
    ShowProblems(conversion.boxes);

    switch (conversion.outcome) {
    case ConversionOutcome::StampVersion: {
        const std::uint32_t version = kSmartExtVersion;
        std::memcpy(old + offsetof(EditDataHeader, extVersion), &version, sizeof version);
        return nullptr;
    }
    case ConversionOutcome::NewBlock:
        ShowSummary(mV, conversion, ObjectNameForMessages(projectName, HostObjectName(mV, oldEdPtr)));
        return ToGlobalMemory(conversion.block);
    case ConversionOutcome::KeepBlock:
    case ConversionOutcome::Failed:
        break;
    }
    return nullptr;
}

}  // namespace Vantor
