#include "standins/host/internal/TextBuffers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace StandinHostTests {
namespace {

using StandinHost::TextBuffers;

TEST(TextBuffersTest, BuffersAreZeroFilledAndAlignedForUtf16) {
    TextBuffers buffers;
    auto* bytes = static_cast<std::uint8_t*>(buffers.Allocate(10));
    EXPECT_TRUE(std::all_of(bytes, bytes + 10, [](std::uint8_t byte) { return byte == 0; }));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % alignof(wchar_t), 0u);
}

TEST(TextBuffersTest, BytesFromCountsToTheEndOfTheBufferHoldingTheAddress) {
    TextBuffers buffers;
    auto* first = static_cast<std::uint8_t*>(buffers.Allocate(10));
    auto* second = static_cast<std::uint8_t*>(buffers.Allocate(4));
    EXPECT_EQ(buffers.BytesFrom(first), 10u);
    EXPECT_EQ(buffers.BytesFrom(first + 9), 1u);
    EXPECT_EQ(buffers.BytesFrom(second + 2), 2u);
}

TEST(TextBuffersTest, AddressesOutsideEveryBufferAreNotTheHosts) {
    TextBuffers buffers;
    auto* bytes = static_cast<std::uint8_t*>(buffers.Allocate(10));
    int elsewhere = 0;
    EXPECT_FALSE(buffers.BytesFrom(bytes + 10).has_value());
    EXPECT_FALSE(buffers.BytesFrom(&elsewhere).has_value());
    EXPECT_FALSE(buffers.BytesFrom(nullptr).has_value());
}

TEST(TextBuffersTest, EmptyBufferHoldsNoAddress) {
    TextBuffers buffers;
    void* empty = buffers.Allocate(0);
    EXPECT_FALSE(buffers.BytesFrom(empty).has_value());
}

}  // namespace
}  // namespace StandinHostTests
