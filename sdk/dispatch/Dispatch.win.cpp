#include "sdk/dispatch/Dispatch.h"

#include <algorithm>
#include <array>
#include <bit>

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Project.h"
#include "sdk/dispatch/ParamReader.h"
#include "sdk/frame/ExtensionBase.h"
#include "sdk/frame/Sdk.h"
#include "sdk/text/Utf.h"

namespace Vantor::Ovik {
namespace {

using Arguments = std::array<std::uint32_t, kMaxParameters>;

bool IsTextCode(std::uint16_t code)
{
    return code == 40 || code == 45 || code == 46 || code == 63;
}

bool IsComparisonCode(std::uint16_t code)
{
    return code == 23 || code == 42 || code == 46;
}

bool IsIntegerCode(std::uint16_t code)
{
    return code == 22 || code == 2 || code == 23 || code == 29 || code == 42;
}

const AceInfoRecord* InfoAt(const std::vector<AceInfoRecord>& infos, std::int32_t id)
{
    return id >= 0 && static_cast<std::size_t>(id) < infos.size() ? &infos[static_cast<std::size_t>(id)] : nullptr;
}

const json_value& EntryAt(const char* key, std::int32_t id)
{
    return Element(Member(CurrentLanguage(), key), static_cast<std::size_t>(id < 0 ? 0 : id));
}

// How many parameters are read: the declared count, or the entry's "NumAutoProps", which may
// only lower it; more would read codes the record does not hold.
int ReadCount(const AceInfoRecord& info, const json_value& entry)
{
    const int declared = info.numParams();
    const json_value& autoProps = Member(entry, "NumAutoProps");
    if (!IsInteger(autoProps))
        return declared;
    return static_cast<int>(std::clamp<std::int64_t>(Integer(autoProps), 0, declared));
}

std::uint32_t ActionOrCondition(const LinkedFunction& member, std::int32_t id, ExtensionBase& extension,
                                const AceInfoRecord& info, ACEParamReader& reader, bool isCondition)
{
    const json_value& entry = EntryAt(isCondition ? "Conditions" : "Actions", id);
    const int count = ReadCount(info, entry);
    Arguments arguments{};
    bool comparison = false;
    for (int i = 0; i < count; ++i) {
        const std::uint16_t code = info.paramCode(i);
        comparison = comparison || IsComparisonCode(code);
        if (code == 22 && info.paramIsFloat(i)) {
            arguments[i] = std::bit_cast<std::uint32_t>(reader.GetFloat(i));
        } else if (IsIntegerCode(code)) {
            arguments[i] = static_cast<std::uint32_t>(reader.GetInteger(i, code));
        } else if (IsTextCode(code)) {
            arguments[i] = static_cast<std::uint32_t>(reader.GetString(i));
            if (arguments[i] == 0) {
                const wchar_t* kind = isCondition ? L"condition" : L"action";
                ErrorBox(L"ActionOrCondition() error",
                         L"Error calling %s \"%s\" (ID %i); text parameter index %i was given a null string "
                         L"pointer.\nWas the parameter type different when the %s was created in the MFA?",
                         kind, ToUtf16(Text(Member(entry, "Title"))).c_str(), id, i, kind);
                return 0;
            }
        } else if (code == 1) {
            arguments[i] = static_cast<std::uint32_t>(reader.GetObject(i));
        } else {
            arguments[i] = static_cast<std::uint32_t>(reader.GetString(i));
        }
    }
    const std::uint32_t result = member.invoke(extension, member, arguments.data());
    return comparison ? result : (result & 0xFF);
}

std::uint32_t MarkResult(Host::RUNDATA* rdPtr, const AceInfoRecord* info, std::uint32_t result)
{
    if (!info)
        return result;
    if (info->flags() == 2)
        rdPtr->header.flags |= Host::kResultIsFloat;
    else if (info->flags() == 1)
        rdPtr->header.flags |= Host::kResultIsText;
    return result;
}

// The neutral answer of an expression whose call was skipped.
std::uint32_t NeutralResult(ExtensionBase& extension, const AceInfoRecord& info)
{
    return info.flags() == 1 ? ToWord(extension.Runtime.CopyString(L"")) : 0;
}

}  // namespace

std::int32_t VANTOR_HOSTCALL Action(void* rdPtr, std::int32_t param1, std::int32_t param2)
{
    auto* rd = static_cast<Host::RUNDATA*>(rdPtr);
    ExtensionBase& extension = FindExtension(rd);
    const std::int32_t id = rd->header.calledNumber;
    const AceInfoRecord* info = InfoAt(::SDK->infos.actions, id);
    ConditionOrActionManager_Windows reader(false, rd, extension, info, param1, param2);

    const auto& functions = ::SDK->actionFunctions;
    if (info && static_cast<std::size_t>(id) < functions.size() && functions[static_cast<std::size_t>(id)])
        ActionOrCondition(functions[static_cast<std::size_t>(id)], id, extension, *info, reader, false);
    else
        extension.UnlinkedAction(id);
    return 0;
}

std::int32_t VANTOR_HOSTCALL Condition(void* rdPtr, std::int32_t param1, std::int32_t param2)
{
    auto* rd = static_cast<Host::RUNDATA*>(rdPtr);
    ExtensionBase& extension = FindExtension(rd);
    const std::int32_t id = rd->header.calledNumber;
    const AceInfoRecord* info = InfoAt(::SDK->infos.conditions, id);
    ConditionOrActionManager_Windows reader(true, rd, extension, info, param1, param2);

    const auto& functions = ::SDK->conditionFunctions;
    if (!info || static_cast<std::size_t>(id) >= functions.size()) {
        ErrorBox(L"Condition linking error",
                 L"Missing condition ID %d in extension %s. This ID was not linked in Extension ctor with "
                 L"LinkCondition().",
                 id, kProjectName);
        return static_cast<std::int32_t>(extension.UnlinkedCondition(id));
    }
    const LinkedFunction& member = functions[static_cast<std::size_t>(id)];
    if (!member) {
        ErrorBox(L"Condition linking error",
                 L"Missing condition ID %d in extension %s. Condition existed in vector, but was NULL. Might not be "
                 L"linked.",
                 id, kProjectName);
        return static_cast<std::int32_t>(extension.UnlinkedCondition(id));
    }
    return static_cast<std::int32_t>(ActionOrCondition(member, id, extension, *info, reader, true));
}

std::int32_t VANTOR_HOSTCALL Expression(void* rdPtr, std::int32_t)
{
    auto* rd = static_cast<Host::RUNDATA*>(rdPtr);
    ExtensionBase& extension = FindExtension(rd);
    const std::int32_t id = rd->header.calledNumber;
    const AceInfoRecord* info = InfoAt(::SDK->infos.expressions, id);
    const auto& functions = ::SDK->expressionFunctions;
    if (!info || static_cast<std::size_t>(id) >= functions.size() || !functions[static_cast<std::size_t>(id)])
        return static_cast<std::int32_t>(MarkResult(rd, info, extension.UnlinkedExpression(id)));

    const json_value& entry = EntryAt("Expressions", id);
    const int count = ReadCount(*info, entry);
    Arguments arguments{};
    for (int i = 0; i < count; ++i) {
        const std::uint16_t code = info->paramCode(i);
        const Host::RunService read = RunHeaderService(
            rd, i == 0 ? Host::kServiceFirstExpressionParameter : Host::kServiceNextExpressionParameter);
        if (code == 1) {
            const std::int32_t kind = info->paramIsFloat(i) ? Host::kExpressionFloat : Host::kExpressionInteger;
            arguments[i] = read ? static_cast<std::uint32_t>(read(rd, kind, i)) : 0;
        } else if (code == 3) {
            arguments[i] = read ? static_cast<std::uint32_t>(read(rd, Host::kExpressionText, i)) : 0;
            if (arguments[i] == 0) {
                ErrorBox(L"Ovik::Expression() error",
                         L"Error calling expression \"%s\" (ID %i); parameter index %i was given a null string "
                         L"pointer.\nWas the parameter type different when the expression was created in the MFA?",
                         ToUtf16(Text(Member(entry, "Title"))).c_str(), id, i);
                return static_cast<std::int32_t>(MarkResult(rd, info, NeutralResult(extension, *info)));
            }
        } else {
            ErrorBox(L"Ovik::Expression() error",
                     L"Error calling expression \"%s\" (ID %i); parameter index %i has unrecognised ExpParams %hi.",
                     ToUtf16(Text(Member(entry, "Title"))).c_str(), id, i, static_cast<short>(code));
            return static_cast<std::int32_t>(MarkResult(rd, info, NeutralResult(extension, *info)));
        }
    }
    const LinkedFunction& member = functions[static_cast<std::size_t>(id)];
    return static_cast<std::int32_t>(MarkResult(rd, info, member.invoke(extension, member, arguments.data())));
}

}  // namespace Vantor::Ovik
