#include "tests/dll/support/Registry.h"

#include <stdexcept>
#include <windows.h>

namespace TestSupport {

RegistryValue::RegistryValue(std::wstring key, std::wstring name, const std::wstring& value)
    : key_(std::move(key)), name_(std::move(name))
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr)
        != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the registry key");
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LONG result = RegSetValueExW(handle, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot set the registry value");
}

RegistryValue::~RegistryValue()
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_SET_VALUE, &handle) == ERROR_SUCCESS) {
        RegDeleteValueW(handle, name_.c_str());
        RegCloseKey(handle);
    }
}

}  // namespace TestSupport
