#include "sdk/definition/LanguageChoice.h"

#include "sdk/definition/Json.h"

namespace Vantor {

int DefaultLanguageMember(const json_value& root) {
    const std::size_t count = MemberCount(root);
    for (std::size_t i = 0; i < count; ++i) {
        const json_value& value = MemberValue(root, i);
        if (IsObject(value) && IsString(Member(Member(value, "About"), "Name"))) return static_cast<int>(i);
    }
    for (std::size_t i = count; i-- > 0;)
        if (IsObject(MemberValue(root, i))) return static_cast<int>(i);
    return -1;
}

int ChooseLanguageMember(const json_value& root, std::string_view languagesSetting) {
    const std::size_t count = MemberCount(root);
    std::string_view rest = languagesSetting;
    while (true) {
        const std::size_t semicolon = rest.find(';');
        std::string_view item = rest.substr(0, semicolon);
        if (!item.empty() && item.front() == ' ') item.remove_prefix(1);
        if (!item.empty()) {
            for (std::size_t i = 0; i < count; ++i)
                if (IsObject(MemberValue(root, i)) && EqualsIgnoringAsciiCase(MemberName(root, i), item))
                    return static_cast<int>(i);
        }
        if (semicolon == std::string_view::npos) return -1;
        rest.remove_prefix(semicolon + 1);
    }
}

}  // namespace Vantor
