// UTF-8 <-> UTF-16 without the Windows API, so the rules that use it stay testable anywhere.
// Invalid input never fails: each bad sequence becomes one U+FFFD, as the Windows code page does.
#pragma once

#include <string>
#include <string_view>

namespace Vantor {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace Vantor
