#include "sdk/properties/PropertySheet.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/frame/Sdk.h"
#include "sdk/properties/EditorBlock.h"
#include "sdk/properties/ImageListEdit.h"
#include "sdk/properties/ProblemBoxes.h"
#include "sdk/properties/PropertySetEdits.h"
#include "sdk/properties/RefreshPlan.h"
#include "sdk/properties/VisibilityRule.h"
#include "sdk/text/Utf.h"

namespace Vantor {
namespace {

constexpr std::size_t kVisibilitySlot = kPropertiesOffset + offsetof(Properties, visibleEditorProps);

// The flags live here, not behind the stored slot: the slot holds a token into this list, so
// a stale or hostile value in a stored block is never followed as an address.
std::vector<std::unique_ptr<std::vector<std::uint8_t>>>& FlagStore()
{
    static std::vector<std::unique_ptr<std::vector<std::uint8_t>>> store;
    return store;
}

const std::string& LanguageName()
{
    static const std::string name = ToUtf8(Ovik::CurrentLanguageName());
    return name;
}

const json_value& JsonProperties() { return Member(Ovik::CurrentLanguage(), "Properties"); }

std::uint32_t IdOf(std::size_t jsonIndex) { return kFirstPropertyId + static_cast<std::uint32_t>(jsonIndex); }

}  // namespace

PropertySheet::PropertySheet(Host::mV* mV, void** edPtr) : mV_(mV), edPtr_(edPtr) {}

std::optional<std::size_t> PropertySheet::JsonIndexOf(std::uint32_t id) const
{
    if (id < kFirstPropertyId || !::SDK || edPtr_ == nullptr || *edPtr_ == nullptr)
        return std::nullopt;
    const json_value& properties = JsonProperties();
    if (properties.type == json_null)
        return std::nullopt;
    const std::size_t index = id - kFirstPropertyId;
    if (index >= ElementCount(properties))
        return std::nullopt;  // outside the extension's range: ignored
    return index;
}

std::span<const std::uint8_t> PropertySheet::Block() const
{
    const auto* block = static_cast<const std::uint8_t*>(*edPtr_);
    std::uint32_t size = 0;
    std::memcpy(&size, block, sizeof size);
    return {block, size};
}

PropertyDefinition PropertySheet::Definition() const { return {JsonProperties(), LanguageName()}; }

std::vector<std::uint8_t>& PropertySheet::VisibleFlags(bool reset)
{
    auto* block = static_cast<std::uint8_t*>(*edPtr_);
    auto& store = FlagStore();
    std::uint32_t token = 0;
    if (Block().size() >= kVisibilitySlot + sizeof token)
        std::memcpy(&token, block + kVisibilitySlot, sizeof token);
    const std::size_t count = ElementCount(JsonProperties());
    if (token == 0 || token > store.size()) {
        store.push_back(std::make_unique<std::vector<std::uint8_t>>(count, 1));
        token = static_cast<std::uint32_t>(store.size());
        if (Block().size() >= kVisibilitySlot + sizeof token)
            std::memcpy(block + kVisibilitySlot, &token, sizeof token);
    }
    std::vector<std::uint8_t>& flags = *store[token - 1];
    if (reset || flags.size() != count)
        flags.assign(count, 1);
    return flags;
}

void PropertySheet::Call(std::int32_t code, std::intptr_t a, std::intptr_t b, std::intptr_t c) const
{
    if (mV_ && mV_->callFunction)
        mV_->callFunction(*edPtr_, code, a, b, c);
}

void PropertySheet::InsertWholeTable()
{
    Call(Host::kCallInsertProperties, reinterpret_cast<std::intptr_t>(::SDK->edittimeProperties->Entries()),
        kSheetAnchorId, 1);
}

// A run inside the table is made zero-terminated for the call by zeroing the entry after it.
void PropertySheet::CallWithRun(std::int32_t code, std::size_t first, std::size_t last, std::intptr_t second,
                                std::intptr_t third) const
{
    EdittimeProperties& table = *::SDK->edittimeProperties;
    const EdittimeProperties::Run run = table.RunOf(first, last);
    if (run.begin >= run.end)
        return;
    Host::PropTableEntry* entries = table.Entries();
    const Host::PropTableEntry saved = entries[run.end];
    entries[run.end] = {};
    Call(code, reinterpret_cast<std::intptr_t>(entries + run.begin), second, third);
    entries[run.end] = saved;
}

void PropertySheet::InsertRun(std::size_t first, std::size_t last, std::uint32_t after) const
{
    CallWithRun(Host::kCallInsertProperties, first, last, after, 1);
}

void PropertySheet::RemoveRun(std::size_t first, std::size_t last) const
{
    CallWithRun(Host::kCallRemoveProperties, first, last, 0, 0);
}

void PropertySheet::Refresh()
{
    if (!::SDK->edittimeProperties)
        return;
    const Result<PropertiesView> view = EditorPropertiesOf(Block(), "Vantor property error");
    if (!view.ok()) {
        ShowProblem(view.problem());
        return;
    }
    const PropertyDefinition definition = Definition();
    std::vector<std::uint8_t>& flags = VisibleFlags(false);
    const RefreshPlan plan = PlanRefresh(
        flags,
        [&](std::size_t i) {
            std::vector<Problem> boxes;
            const RuleResult result = EvaluateRule(view.value(), definition, i, kShowIf, boxes);
            ShowProblems(boxes);
            return static_cast<int>(result);
        },
        [&](std::size_t i) { return HasRule(definition, i, kEnableIf); });
    flags = plan.visible;
    for (const SheetCommand& command : plan.commands) {
        switch (command.kind) {
        case SheetCommand::Kind::InsertRun:
            InsertRun(command.first, command.last, command.after);
            break;
        case SheetCommand::Kind::Remove:
            Call(Host::kCallRemoveProperty, command.id, 0, 0);
            break;
        case SheetCommand::Kind::Refresh:
            Call(Host::kCallRefreshProperty, command.id, command.recreate ? 1 : 0, 0);
            break;
        }
    }
}

bool PropertySheet::Replace(const std::vector<std::uint8_t>& block)
{
    const std::size_t props = kPropertiesOffset;
    if (block.size() != Block().size()) {
        if (!mV_ || !mV_->callFunction)
            return false;
        void* moved = reinterpret_cast<void*>(mV_->callFunction(*edPtr_, Host::kCallResizeEditData,
            reinterpret_cast<std::intptr_t>(*edPtr_), static_cast<std::intptr_t>(block.size()), 0));
        if (moved == nullptr)
            return false;
        *edPtr_ = moved;
    }
    // The host's header stays the host's, but for the sizes that follow the new block.
    auto* target = static_cast<std::uint8_t*>(*edPtr_);
    std::memcpy(target + props, block.data() + props, block.size() - props);
    std::memcpy(target + offsetof(EditDataHeader, extSize), block.data() + offsetof(EditDataHeader, extSize), 4);
    std::uint32_t hostMax = 0, newMax = 0;
    std::memcpy(&hostMax, target + offsetof(EditDataHeader, extMaxSize), 4);
    std::memcpy(&newMax, block.data() + offsetof(EditDataHeader, extMaxSize), 4);
    if (newMax > hostMax)
        std::memcpy(target + offsetof(EditDataHeader, extMaxSize), &newMax, 4);
    return true;
}

void PropertySheet::WriteChange(std::size_t jsonIndex, ValueForm form, std::span<const std::uint8_t> bytes)
{
    const ChangeSource source{Definition(), ::SDK->propertySets};
    Result<ChangePlan> planned = PlanChange(Block(), source, jsonIndex, form, bytes, [](const Problem& question) {
        return YesNoBox(ToUtf16(question.title).c_str(), L"%s", ToUtf16(question.text).c_str()) == 6;
    });
    if (!planned.ok()) {
        ShowProblem(planned.problem());
        return;
    }
    const ChangePlan& plan = planned.value();
    ShowProblems(plan.boxes);
    if (plan.kind == ChangePlan::Kind::Cancelled)
        return;
    if (plan.kind == ChangePlan::Kind::SelectSetEntry) {
        const PropSet* set = SetWithNameList(::SDK->propertySets, jsonIndex);
        if (!set)
            return;
        Result<SetEdit> edit = SelectSetEntry(Block(), *set, plan.selection);
        if (!edit.ok()) {
            ShowProblem(edit.problem());
            return;
        }
        if (Replace(edit.value().block))
            Reload(*set);
        return;
    }
    if (!Replace(plan.block)) {
        ErrorBox(L"Property Error", L"NULL returned from EDITDATA reallocation. Property changed cancelled.");
        return;
    }
    if (plan.renamedSet)
        Call(Host::kCallRefreshProperty, IdOf(plan.renamedSet->nameList), 1, 0);
}

void PropertySheet::WriteCheck(std::size_t jsonIndex, bool checked)
{
    Result<std::vector<std::uint8_t>> block = PlanCheck(Block(), Definition(), jsonIndex, checked);
    if (!block.ok()) {
        ShowProblem(block.problem());
        return;
    }
    Replace(block.value());
}

// The range taken out of the sheet and put back, so the host reads the shown entry's values.
void PropertySheet::Reload(const PropSet& set)
{
    RemoveRun(set.firstProp, set.lastProp);
    const std::vector<std::uint8_t>& flags = VisibleFlags(false);
    const std::uint32_t after = set.firstProp == 0 ? kSheetAnchorId : IdOf(set.firstProp - 1u);
    // Only the properties the rules show come back.
    std::size_t i = set.firstProp;
    while (i <= set.lastProp) {
        if (i >= flags.size() || flags[i] == 0) {
            ++i;
            continue;
        }
        std::size_t last = i;
        while (last + 1 <= set.lastProp && last + 1 < flags.size() && flags[last + 1] != 0)
            ++last;
        InsertRun(i, last, i == set.firstProp ? after : IdOf(i - 1));
        i = last + 1;
    }
    Call(Host::kCallRefreshProperty, IdOf(set.addButton), 0, 0);
    Call(Host::kCallRefreshProperty, IdOf(set.deleteButton), 0, 0);
    Call(Host::kCallRefreshProperty, IdOf(set.nameList), 1, 0);
    Call(Host::kCallRefreshProperty, IdOf(set.nameEditbox), 1, 0);
}

std::int32_t PropertySheet::PressSetButton(std::size_t jsonIndex)
{
    const std::vector<PropSet>& sets = ::SDK->propertySets;
    const PropSet* add = SetWithAddButton(sets, jsonIndex);
    const PropSet* remove = SetWithDeleteButton(sets, jsonIndex);
    if (!add && !remove)
        return 0;
    const PropSet& set = add ? *add : *remove;
    std::vector<Problem> boxes;
    Result<SetEdit> edit = add ? AddSetEntry(Block(), set, {JsonProperties(), ::SDK->entryLists, LanguageName()}, boxes)
                               : DeleteSetEntry(Block(), set);
    ShowProblems(boxes);
    if (!edit.ok()) {
        ShowProblem(edit.problem());
        return 0;
    }
    const std::vector<std::uint8_t>& block = edit.value().block;
    if (block.size() == Block().size() && std::memcmp(block.data(), Block().data(), block.size()) == 0)
        return 0;  // a set of one entry keeps it
    if (!Replace(block)) {
        ErrorBox(L"Property error", L"Couldn't resize EDITDATA to %zu bytes.", block.size());
        return 0;
    }
    Reload(set);
    Refresh();
    return 1;
}

std::int32_t PropertySheet::EditImages(std::size_t jsonIndex)
{
    const json_value& property = Element(JsonProperties(), jsonIndex);
    if (!IsObject(property)) {
        ErrorBox(L"Property error", L"Property ID %u (%s) is not correctly formatted.", IdOf(jsonIndex), L"");
        return 0;
    }
    const Result<PropertiesView> view = EditorPropertiesOf(Block(), "Property error");
    if (!view.ok()) {
        ShowProblem(view.problem());
        return 0;
    }
    const Result<RecordView> record = DataAtForChange(view.value(), Definition(), jsonIndex, true);
    if (!record.ok()) {
        ShowProblem(AsEditorBox(record.problem(), "Property error"));
        return 0;
    }
    const ImageListEdit edit = ReadImageListEdit(property, record.value().value);
    if (!mV_ || !mV_->editImage || !mV_->editImages)
        return 0;
    const std::wstring title = ToUtf16(edit.windowTitle);
    const wchar_t* titlePointer = title.empty() ? nullptr : title.c_str();
    if (edit.maxCount == 1) {
        Host::EditImageRecord one{sizeof(Host::EditImageRecord), titlePointer,
            edit.images.empty() ? 0u : edit.images.front(), edit.options, edit.width, edit.height};
        if (mV_->editImage(*edPtr_, &one, mV_->editorWindow) != 1)
            return 0;
        const std::uint16_t image = static_cast<std::uint16_t>(one.image & 0xFFFF);
        WriteChange(jsonIndex, ValueForm::Data, ImageListValue(std::span<const std::uint16_t>(&image, 1)));
        return 1;
    }
    std::vector<std::wstring> titles;
    for (const std::string& text : edit.titles)
        titles.push_back(ToUtf16(text));
    std::vector<const wchar_t*> titlePointers;
    for (const std::wstring& text : titles)
        titlePointers.push_back(text.c_str());
    std::vector<std::uint16_t> images(static_cast<std::size_t>(edit.maxCount) + 1, 0);
    std::copy(edit.images.begin(), edit.images.end(), images.begin());
    Host::EditImagesRecord many{sizeof(Host::EditImagesRecord), titlePointer, static_cast<std::int32_t>(edit.images.size()),
        edit.maxCount, 0, images.data(), titlePointers.empty() ? nullptr : titlePointers.data(), edit.options, edit.width,
        edit.height};
    if (mV_->editImages(*edPtr_, &many, mV_->editorWindow) != 1)
        return 0;
    // A count the host cannot have filled is cut to the room it had.
    const std::size_t count = static_cast<std::size_t>(std::clamp(many.count, 0, edit.maxCount));
    WriteChange(jsonIndex, ValueForm::Data, ImageListValue(std::span<const std::uint16_t>(images.data(), count)));
    return 1;
}

}  // namespace Vantor
