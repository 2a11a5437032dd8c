// A value in the current user's registry for the length of a test, in the wine prefix's
// real registry; removed again afterwards, with its key when the test made it.
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
