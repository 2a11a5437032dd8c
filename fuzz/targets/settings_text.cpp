// The settings file of any bytes: prepared, then every key it seems to hold looked up with
// the two the library reads. A value never runs past its line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/common/FuzzInput.h"
#include "sdk/diagnostics/SettingsText.h"

namespace {

void Find(std::string_view prepared, std::string_view key)
{
    const std::string value = Vantor::FindSetting(prepared, key);
    FUZZ_CHECK(value.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(value.size() < prepared.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string prepared = Vantor::PrepareSettingsText(bytes);
    FUZZ_CHECK(prepared.size() >= 2 && prepared.front() == '\n' && prepared.back() == '\n');
    Find(prepared, "Languages");
    Find(prepared, "SmartPropertiesUpgradeBox");
    Find(prepared, "");
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        Find(prepared, line.substr(0, line.find('=')));
        start = end + 1;
    }
    return 0;
}
