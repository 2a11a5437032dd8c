// The editor's texts: display strings, parameter names, expression titles, help file, object information.
#include <string>

#include "sdk/definition/Json.h"
#include "sdk/editor/Compatibility.h"
#include "sdk/editor/EntryTexts.h"
#include "sdk/exports/Export.h"
#include "sdk/frame/Sdk.h"
#include "sdk/text/HostBuffer.h"
#include "sdk/text/Utf.h"

using Vantor::AceKind;
using Vantor::Host::mV;

namespace {

constexpr std::size_t kInfoBufferSize = 260;

// The text in the host's buffer whole, or an empty text when it does not fit.
void HandOver(wchar_t* buffer, std::int32_t capacity, const std::string& utf8)
{
    if (capacity <= 0)
        return;
    const std::wstring text = Vantor::ToUtf16(utf8);
    Vantor::CopyToHostBuffer(buffer, static_cast<std::size_t>(capacity), std::wstring_view(text));
}

std::string About(const char* key)
{
    if (!::SDK)
        return {};
    return std::string(Vantor::Text(Vantor::Member(Vantor::Member(Vantor::Ovik::CurrentLanguage(), "About"), key)));
}

}  // namespace

VANTOR_EXPORT void VANTOR_HOSTCALL GetActionString(mV* mV, std::int16_t id, wchar_t* buffer, std::int16_t capacity)
{
    if (Vantor::IsCompatibleHost(mV))
        HandOver(buffer, capacity, Vantor::EntryTitle(AceKind::Action, id));
}

VANTOR_EXPORT void VANTOR_HOSTCALL GetConditionString(mV* mV, std::int16_t id, wchar_t* buffer, std::int16_t capacity)
{
    if (Vantor::IsCompatibleHost(mV))
        HandOver(buffer, capacity, Vantor::EntryTitle(AceKind::Condition, id));
}

VANTOR_EXPORT void VANTOR_HOSTCALL GetExpressionString(mV* mV, std::int16_t id, wchar_t* buffer, std::int16_t capacity)
{
    if (Vantor::IsCompatibleHost(mV))
        HandOver(buffer, capacity, Vantor::EntryTitle(AceKind::Expression, id));
}

VANTOR_EXPORT void VANTOR_HOSTCALL GetActionTitle(mV* mV, std::int16_t id, std::int16_t parameter, wchar_t* buffer,
                                                   std::int16_t capacity)
{
    if (Vantor::IsCompatibleHost(mV))
        HandOver(buffer, capacity, Vantor::ParameterName(AceKind::Action, id, parameter));
}

VANTOR_EXPORT void VANTOR_HOSTCALL GetConditionTitle(mV* mV, std::int16_t id, std::int16_t parameter, wchar_t* buffer,
                                                      std::int16_t capacity)
{
    if (Vantor::IsCompatibleHost(mV))
        HandOver(buffer, capacity, Vantor::ParameterName(AceKind::Condition, id, parameter));
}

VANTOR_EXPORT void VANTOR_HOSTCALL GetExpressionParam(mV* mV, std::int16_t id, std::int16_t parameter, wchar_t* buffer,
                                                       std::int16_t capacity)
{
    if (Vantor::IsCompatibleHost(mV))
        HandOver(buffer, capacity, Vantor::ParameterName(AceKind::Expression, id, parameter));
}

VANTOR_EXPORT void VANTOR_HOSTCALL GetExpressionTitle(mV* mV, std::int16_t id, wchar_t* buffer, std::int16_t capacity)
{
    if (Vantor::IsCompatibleHost(mV))
        HandOver(buffer, capacity, Vantor::ExpressionTitle(id));
}

VANTOR_EXPORT const wchar_t* VANTOR_HOSTCALL GetHelpFileName()
{
    static wchar_t help[kInfoBufferSize];
    HandOver(help, kInfoBufferSize, About("Help"));
    return help;
}

VANTOR_EXPORT void VANTOR_HOSTCALL GetObjInfos(mV*, void*, wchar_t* name, wchar_t* author, wchar_t* copyright,
                                                wchar_t* comment, wchar_t* url)
{
    HandOver(author, kInfoBufferSize, About("Author"));
    HandOver(url, kInfoBufferSize, About("URL"));
    HandOver(name, kInfoBufferSize, About("Name"));
    HandOver(copyright, kInfoBufferSize, About("Copyright"));
    HandOver(comment, kInfoBufferSize, About("Comment"));
}
