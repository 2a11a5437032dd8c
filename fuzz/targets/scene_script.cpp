// The stand-in host's scene script of any bytes: read, or refused with the line of the fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/common/FuzzInput.h"
#include "standins/host/app/SceneScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const StandinHost::SceneParseResult read =
        StandinHost::ParseScene(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.errorLine != 0) {
        FUZZ_CHECK(read.errorLine >= 1);
        FUZZ_CHECK(!read.error.empty());
        return 0;
    }
    for (const StandinHost::SceneBlock& block : read.scene.blocks)
        FUZZ_CHECK(block.first <= block.last);
    read.scene.LastFrame();
    return 0;
}
