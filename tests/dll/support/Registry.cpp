#include "tests/dll/support/Registry.h"

#include <stdexcept>
#include <windows.h>

namespace TestSupport {
namespace {

// Maps HKEY_CURRENT_USER of this process onto HKEY_CURRENT_USER\Software\VantorTests\<pid>
// until the process ends, and removes that key then.
class PrivateCurrentUser {
public:
    PrivateCurrentUser()
    {
        path_ = L"Software\\VantorTests\\" + std::to_wstring(GetCurrentProcessId());
        RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());  // left by an earlier process of this id
        HKEY root = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root, nullptr)
            != ERROR_SUCCESS)
            throw std::runtime_error("cannot create the private registry root");
        const LONG result = RegOverridePredefKey(HKEY_CURRENT_USER, root);
        RegCloseKey(root);
        if (result != ERROR_SUCCESS)
            throw std::runtime_error("cannot map the current user's registry onto the private root");
    }
    ~PrivateCurrentUser()
    {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    }

private:
    std::wstring path_;
};

void UsePrivateCurrentUser()
{
    static PrivateCurrentUser root;
}

}  // namespace

RegistryValue::RegistryValue(std::wstring key, std::wstring name, const std::wstring& value)
    : key_(std::move(key)), name_(std::move(name))
{
    UsePrivateCurrentUser();
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
