// A value in the current user's registry for the length of a test. The first one maps this
// process's current-user root onto a private key, so that test executables running side by side
// in one wine prefix never see each other's values; the value is removed again afterwards.
#pragma once

#include <string>

namespace TestSupport {

class RegistryValue {
public:
    // A string value (REG_SZ, with its terminator).
    RegistryValue(std::wstring key, std::wstring name, const std::wstring& value);
    ~RegistryValue();
    RegistryValue(const RegistryValue&) = delete;
    RegistryValue& operator=(const RegistryValue&) = delete;

private:
    std::wstring key_;
    std::wstring name_;
};

}  // namespace TestSupport
