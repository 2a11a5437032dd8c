#include "tests/dll/support/HandedBlock.h"

#include <cstring>
#include <gtest/gtest.h>
#include <windows.h>

#include "sdk/properties/EditDataLayout.h"

namespace TestSupport {

std::vector<std::uint8_t> TakeHandedBlock(void* handed)
{
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(handed));
    std::vector<std::uint8_t> block(bytes, bytes + GlobalSize(handed));
    GlobalUnlock(handed);
    EXPECT_EQ(GlobalFree(handed), nullptr);
    if (block.size() < sizeof(Vantor::EditDataHeader))
        return {};
    std::uint32_t extSize = 0;
    std::memcpy(&extSize, block.data() + offsetof(Vantor::EditDataHeader, extSize), sizeof extSize);
    if (extSize < block.size())
        block.resize(extSize);
    return block;
}

const StandinHost::PropertyValues& VantorTestValues()
{
    static const StandinHost::PropertyValues values{{"Name", "音"},      {"Count", "128"}, {"Ratio", "0.125"},
                                                    {"Enabled", "false"}, {"Quality", "High"}, {"Tint", "255"},
                                                    {"Optional", "y"}};
    return values;
}

}  // namespace TestSupport
