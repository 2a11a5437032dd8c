#include "standins/host/internal/WindowsErrorText.h"

#include "standins/host/internal/TextConversion.h"

#include <windows.h>

#include <cwctype>

namespace StandinHost {

std::string WindowsErrorText(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length != 0 ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!text.empty() && std::iswspace(text.back())) text.pop_back();
    const std::string number = "error " + std::to_string(code);
    return text.empty() ? number : Utf16ToUtf8(text) + " (" + number + ")";
}

}  // namespace StandinHost
