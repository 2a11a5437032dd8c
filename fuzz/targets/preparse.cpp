// The comment and byte-order-mark stripper over any bytes: it must keep every line feed
// where json-parser counts it and never make the text longer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/common/FuzzInput.h"
#include "sdk/definition/Preparse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace Vantor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const PreparsedText result = Preparse(bytes);
    const std::string_view text = bytes.substr(0, 3) == kUtf8Bom ? bytes.substr(3) : bytes;
    if (!result.ok) {
        FUZZ_CHECK(!result.error.empty());
        FUZZ_CHECK(result.error.find('\n') == std::string_view::npos);
        return 0;
    }
    FUZZ_CHECK(result.text.size() <= text.size());
    FUZZ_CHECK(std::count(result.text.begin(), result.text.end(), '\n') == std::count(text.begin(), text.end(), '\n'));
    const TextPosition end = PositionOf(text, text.size() + 1);
    FUZZ_CHECK(end.line >= 1 && end.character >= 0);
    return 0;
}
