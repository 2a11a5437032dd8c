// Which language block of the definition the library uses.
#include "sdk/definition/Json.h"
#include "sdk/definition/LanguageChoice.h"
#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Settings.h"
#include "sdk/frame/Sdk.h"
#include "sdk/text/Utf.h"

namespace Vantor::Ovik {
namespace {

const json_value* cachedLanguage = nullptr;
std::wstring languageName;

const json_value& RecordMember(const json_value& root, int member)
{
    if (member < 0)
        return JsonNone();
    languageName = ToUtf16(MemberName(root, static_cast<std::size_t>(member)));
    return MemberValue(root, static_cast<std::size_t>(member));
}

}  // namespace

const json_value& DefaultLanguageIndex()
{
    if (!::SDK) {
        ErrorBox(L"Vantor error",
                 L"Premature function call!\n  Called DefaultLanguageIndex() before ::SDK was a valid pointer.");
        return JsonNone();
    }
    const json_value& root = ::SDK->json();
    return RecordMember(root, DefaultLanguageMember(root));
}

const json_value& CurrentLanguage()
{
    if (cachedLanguage)
        return *cachedLanguage;
    const RunContext context = ProcessEnvironment().runContext;
    if (context == RunContext::BuiltApp || context == RunContext::TestRun || !::SDK)
        return DefaultLanguageIndex();

    const std::string setting = ReadSetting("Languages");
    if (setting.empty())
        return DefaultLanguageIndex();
    const json_value& root = ::SDK->json();
    const int member = ChooseLanguageMember(root, setting);
    if (member < 0)
        return DefaultLanguageIndex();
    cachedLanguage = &RecordMember(root, member);
    return *cachedLanguage;
}

const std::wstring& CurrentLanguageName()
{
    return languageName;
}

}  // namespace Vantor::Ovik
