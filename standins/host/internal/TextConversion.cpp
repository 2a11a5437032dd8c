#include "standins/host/internal/TextConversion.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace StandinHost {
namespace {

int CheckedLength(std::size_t length) {
    if (length > static_cast<std::size_t>(INT_MAX)) throw std::length_error("text too long to convert");
    return static_cast<int>(length);
}

std::wstring Decode(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int length = CheckedLength(text.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

}  // namespace

std::wstring Utf8ToUtf16(std::string_view text) { return Decode(CP_UTF8, text); }

std::wstring AnsiToUtf16(std::string_view text) { return Decode(CP_ACP, text); }

std::string Utf16ToUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = CheckedLength(text.size());
    const int narrowLength = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, narrow.data(), narrowLength, nullptr, nullptr);
    return narrow;
}

}  // namespace StandinHost
