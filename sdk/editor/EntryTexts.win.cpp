#include "sdk/editor/EntryTexts.h"

#include "sdk/definition/Json.h"
#include "sdk/frame/Sdk.h"

namespace Vantor {
namespace {

const json_value& Entry(AceKind kind, int id)
{
    const char* key = kind == AceKind::Action ? "Actions" : kind == AceKind::Condition ? "Conditions" : "Expressions";
    if (id < 0)
        return JsonNone();
    return Element(Member(Ovik::CurrentLanguage(), key), static_cast<std::size_t>(id));
}

}  // namespace

std::string EntryTitle(AceKind kind, int id)
{
    return std::string(Text(Member(Entry(kind, id), "Title")));
}

std::string ParameterName(AceKind kind, int id, int parameter)
{
    if (parameter < 0)
        return {};
    const json_value& entry = Element(Member(Entry(kind, id), "Parameters"), static_cast<std::size_t>(parameter));
    return std::string(Text(Element(entry, 1)));
}

std::string ExpressionTitle(int id)
{
    std::string title = EntryTitle(AceKind::Expression, id);
    if (title.empty() || title.back() != '(')
        title += '(';
    return title;
}

}  // namespace Vantor
