// The property sheet's exports: each checks the ID, then hands over to the sheet's steps.
#include <cstring>
#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Project.h"
#include "sdk/exports/Export.h"
#include "sdk/frame/Sdk.h"
#include "sdk/host/PropertySheet.h"
#include "sdk/properties/EditorBlock.h"
#include "sdk/properties/ProblemBoxes.h"
#include "sdk/properties/PropertySetEdits.h"
#include "sdk/properties/PropertySheet.h"
#include "sdk/properties/PropertyTypes.h"
#include "sdk/properties/SheetProps.h"
#include "sdk/properties/SheetValue.h"
#include "sdk/properties/VisibilityRule.h"
#include "sdk/text/Utf.h"

using Vantor::PropertySheet;
using Vantor::Host::mV;
using Vantor::Host::Prop;

namespace {

std::string_view TypeOf(std::size_t jsonIndex)
{
    return Vantor::Text(
        Vantor::Member(Vantor::Element(Vantor::Member(Vantor::Ovik::CurrentLanguage(), "Properties"), jsonIndex), "Type"));
}

bool HasSmartHeader(const PropertySheet& sheet)
{
    const auto block = sheet.Block();
    std::uint32_t marker = 0;
    if (block.size() >= Vantor::kEditDataHeaderSize)
        std::memcpy(&marker, block.data() + Vantor::kPropertiesOffset, sizeof marker);
    return marker == Vantor::kMarkerVnt2;
}

}  // namespace

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL GetProperties(mV* mV, void* edPtr, std::int32_t)
{
    if (!::SDK || edPtr == nullptr)
        return 1;
    PropertySheet sheet(mV, &edPtr);
    if (!::SDK->edittimeProperties)
        Vantor::ErrorBox(L"Property error", L"Call to DLL_GetProperties without valid EdittimeProperties.");
    if (!HasSmartHeader(sheet)) {
        Vantor::ErrorBox(L"Vantor property error", L"Vantor smart properties were not created correctly.");
        return 1;
    }
    sheet.VisibleFlags(true);
    if (!::SDK->edittimeProperties)
        return 1;
    sheet.InsertWholeTable();
    sheet.Refresh();
    return 1;
}

VANTOR_EXPORT void VANTOR_HOSTCALL ReleaseProperties(mV*, void*, std::int32_t) {}

VANTOR_EXPORT std::intptr_t VANTOR_HOSTCALL GetPropCreateParam(mV* mV, void* edPtr, std::uint32_t id)
{
    PropertySheet sheet(mV, &edPtr);
    const auto index = sheet.JsonIndexOf(id);
    if (!index)
        return 0;
    const Vantor::PropSet* set = Vantor::SetWithNameList(::SDK->propertySets, *index);
    if (!set)
        return 0;
    const Vantor::Result<std::vector<std::string>> names = Vantor::SetEntryNames(sheet.Block(), *set);
    if (!names.ok()) {
        Vantor::ShowProblem(names.problem());
        return 0;
    }
    // One buffer of terminated names, and a null pointer, a pointer to each name, a null pointer.
    std::wstring buffer;
    std::vector<std::size_t> starts;
    for (const std::string& name : names.value()) {
        starts.push_back(buffer.size());
        buffer += Vantor::ToUtf16(name);
        buffer.push_back(L'\0');
    }
    auto* text = new wchar_t[buffer.size() + 1];
    std::memcpy(text, buffer.data(), buffer.size() * sizeof(wchar_t));
    text[buffer.size()] = L'\0';
    auto* list = new const wchar_t*[starts.size() + 2];
    list[0] = nullptr;
    for (std::size_t k = 0; k < starts.size(); ++k)
        list[k + 1] = text + starts[k];
    list[starts.size() + 1] = nullptr;
    return reinterpret_cast<std::intptr_t>(list);
}

VANTOR_EXPORT void VANTOR_HOSTCALL ReleasePropCreateParam(mV* mV, void* edPtr, std::uint32_t id, std::intptr_t parameter)
{
    PropertySheet sheet(mV, &edPtr);
    const auto index = sheet.JsonIndexOf(id);
    if (!index || parameter == 0 || !Vantor::SetWithNameList(::SDK->propertySets, *index))
        return;
    auto* list = reinterpret_cast<const wchar_t**>(parameter);
    delete[] list[1];  // the name buffer begins with the first name
    delete[] list;
}

VANTOR_EXPORT Prop* VANTOR_HOSTCALL GetPropValue(mV* mV, void* edPtr, std::uint32_t id)
{
    PropertySheet sheet(mV, &edPtr);
    const auto index = sheet.JsonIndexOf(id);
    if (!index)
        return nullptr;
    const auto block = sheet.Block();
    Vantor::EditDataHeader header{};
    if (block.size() < sizeof header)
        return nullptr;
    std::memcpy(&header, block.data(), sizeof header);
    const std::string projectName = Vantor::ToUtf8(Vantor::kProjectName);
    if (const auto problem = Vantor::SheetVersionProblem(header, projectName)) {
        Vantor::ShowProblem(*problem);
        return nullptr;
    }
    const Vantor::Result<Vantor::SheetValue> value = Vantor::ReadSheetValue(block, sheet.Definition(), *index, projectName);
    if (!value.ok()) {
        Vantor::ShowProblem(value.problem());
        return nullptr;
    }
    return Vantor::MakeHostValue(value.value());
}

VANTOR_EXPORT void VANTOR_HOSTCALL SetPropValue(mV* mV, void* edPtr, std::uint32_t id, Prop* value)
{
    PropertySheet sheet(mV, &edPtr);
    const auto index = sheet.JsonIndexOf(id);
    if (!index)
        return;
    const std::string_view type = TypeOf(*index);
    const bool textProperty = Vantor::IsTextType(type);
    const Vantor::HostValueRead read = Vantor::ReadHostValue(value, textProperty);
    if (read.custom) {
        Vantor::InfoBox(L"Custom property", L"%s", Vantor::ToUtf16(read.why).c_str());
    } else if (!read.value) {
        Vantor::ErrorBox(L"Vantor property error", L"%s", Vantor::ToUtf16(read.why).c_str());
    } else if (read.value->form == Vantor::ValueForm::Data && Vantor::PropertyTypeFromName(type) != Vantor::kImageList) {
        const std::string title(Vantor::Text(Vantor::Member(
            Vantor::Element(Vantor::Member(Vantor::Ovik::CurrentLanguage(), "Properties"), *index), "Title")));
        Vantor::ErrorBox(L"Vantor property error", L"Got Buff type for non-string property \"%s\".",
            Vantor::ToUtf16(title).c_str());
    } else {
        sheet.WriteChange(*index, read.value->form, read.value->bytes);
    }
    sheet.Refresh();
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL GetPropCheck(mV* mV, void* edPtr, std::uint32_t id)
{
    PropertySheet sheet(mV, &edPtr);
    const auto index = sheet.JsonIndexOf(id);
    if (!index)
        return 0;
    const Vantor::Result<Vantor::PropertiesView> view = Vantor::EditorPropertiesOf(sheet.Block(), "Vantor property error");
    if (!view.ok()) {
        Vantor::ShowProblem(view.problem());
        return 0;
    }
    const Vantor::Result<bool> checked = Vantor::CheckboxOfJsonIndex(view.value(), *index);
    if (!checked.ok()) {
        Vantor::ShowProblem(Vantor::AsEditorBox(checked.problem(), "Vantor property error"));
        return 0;
    }
    return checked.value() ? 1 : 0;
}

VANTOR_EXPORT void VANTOR_HOSTCALL SetPropCheck(mV* mV, void* edPtr, std::uint32_t id, std::int32_t checked)
{
    PropertySheet sheet(mV, &edPtr);
    const auto index = sheet.JsonIndexOf(id);
    if (!index)
        return;
    sheet.WriteCheck(*index, checked != 0);
    sheet.Refresh();
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL IsPropEnabled(mV* mV, void* edPtr, std::uint32_t id)
{
    PropertySheet sheet(mV, &edPtr);
    const auto index = sheet.JsonIndexOf(id);
    if (!index || !HasSmartHeader(sheet))
        return 0;
    const Vantor::Result<Vantor::PropertiesView> view = Vantor::EditorPropertiesOf(sheet.Block(), "Vantor property error");
    if (!view.ok())
        return 0;
    std::vector<Vantor::Problem> boxes;
    const Vantor::RuleResult result = Vantor::EvaluateRule(view.value(), sheet.Definition(), *index, Vantor::kEnableIf, boxes);
    Vantor::ShowProblems(boxes);
    if (result == Vantor::kRuleMalformed)
        return 1;
    if (result == Vantor::kRuleFalse)
        return 0;
    if (const Vantor::PropSet* set = Vantor::SetWithDeleteButton(::SDK->propertySets, *index)) {
        const auto stored = Vantor::LocateStoredSet(sheet.Block(), *set);
        return stored.ok() && stored.value().numRepeats > 1 ? 1 : 0;
    }
    return 1;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL EditProp(mV* mV, void* edPtr, std::uint32_t id)
{
    PropertySheet sheet(mV, &edPtr);
    const auto index = sheet.JsonIndexOf(id);
    if (!index)
        return 0;
    if (Vantor::PropertyTypeFromName(TypeOf(*index)) == Vantor::kImageList)
        return sheet.EditImages(*index);
    return sheet.PressSetButton(*index);
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL EnumElts(mV* mV, void* edPtr, Vantor::Host::EnumElementFunction enumerate,
    Vantor::Host::EnumElementFunction undo, std::int32_t user1, std::int32_t user2)
{
    if (!::SDK || edPtr == nullptr || enumerate == nullptr)
        return 0;
    PropertySheet sheet(mV, &edPtr);
    const Vantor::Result<Vantor::PropertiesView> view = Vantor::EditorPropertiesOf(sheet.Block(), "EnumElts");
    if (!view.ok()) {
        Vantor::ErrorBox(L"Vantor property error", L"Properties aren't as expected inside EnumElts().");
        return 0;
    }
    const auto records = view.value().Records();
    if (!records.ok())
        return 0;
    auto* block = static_cast<std::uint8_t*>(edPtr);
    struct Element {
        void* at;
        std::int32_t kind;
    };
    std::vector<Element> done;
    for (const Vantor::RecordView& record : records.value()) {
        std::vector<Element> elements;
        if (record.typeId == Vantor::kFont) {
            elements.push_back({block + record.valueOffset, Vantor::Host::kElementFont});
        } else if (record.typeId == Vantor::kImageList && record.value.size() >= 2) {
            std::uint16_t count = 0;
            std::memcpy(&count, record.value.data(), sizeof count);
            // Never more handles than the record holds.
            const std::size_t held = std::min<std::size_t>(count, (record.value.size() - 2) / 2);
            for (std::size_t k = 0; k < held; ++k)
                elements.push_back({block + record.valueOffset + 2 + 2 * k, Vantor::Host::kElementImage});
        }
        for (const Element& element : elements) {
            const std::int32_t result = enumerate(element.at, element.kind, user1, user2);
            if (result == 0) {
                done.push_back(element);
                continue;
            }
            std::uint16_t handle = 0;
            std::memcpy(&handle, element.at, sizeof handle);
            const std::wstring title = Vantor::ToUtf16(record.title);
            Vantor::ErrorBox(L"EnumElts",
                element.kind == Vantor::Host::kElementFont ? L"Adding font property %s, font ID %hu failed! Error %d.\n"
                                                           : L"Adding image of property %s, ID %hu failed! Error %d.\n",
                title.c_str(), handle, result);
            if (undo)
                for (auto back = done.rbegin(); back != done.rend(); ++back)
                    undo(back->at, back->kind, user1, user2);
            return result;
        }
    }
    return 0;
}
