// The audio stand-in's bank file of any bytes: read, or refused with the line of the fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "BankReader.h"
#include "fuzz/common/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FmodStandin::BankReadResult read =
        FmodStandin::ReadBankText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.ok) {
        FUZZ_CHECK(read.errorLine >= 1);
        FUZZ_CHECK(!read.error.empty());
    }
    return 0;
}
