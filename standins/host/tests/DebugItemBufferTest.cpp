#include "standins/host/ExtensionFault.h"
#include "standins/host/internal/DebugItemBuffer.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <optional>
#include <string>

namespace StandinHostTests {
namespace {

using StandinHost::DebugItemBuffer;
using StandinHost::ExtensionFault;

TEST(DebugItemBufferTest, UntouchedBufferHoldsNoText) {
    DebugItemBuffer buffer;
    EXPECT_EQ(buffer.Read(), std::nullopt);
}

TEST(DebugItemBufferTest, WrittenTextIsReadUpToItsTerminator) {
    DebugItemBuffer buffer;
    std::wmemcpy(buffer.Data(), L"abc\0def", 7);
    EXPECT_EQ(buffer.Read(), L"abc");
}

TEST(DebugItemBufferTest, TerminatorAloneIsAnEmptyText) {
    DebugItemBuffer buffer;
    buffer.Data()[0] = L'\0';
    EXPECT_EQ(buffer.Read(), L"");
}

TEST(DebugItemBufferTest, LongestTextFillsTheBufferWithItsTerminator) {
    DebugItemBuffer buffer;
    std::wmemset(buffer.Data(), L'x', 255);
    buffer.Data()[255] = L'\0';
    EXPECT_EQ(buffer.Read(), std::wstring(255, L'x'));
}

TEST(DebugItemBufferTest, TextWithoutTerminatorInsideIsRefused) {
    DebugItemBuffer buffer;
    std::wmemset(buffer.Data(), L'x', 256);
    EXPECT_THROW(buffer.Read(), ExtensionFault);
}

TEST(DebugItemBufferTest, WritingBehindTheBufferIsRefusedEvenWithATerminatedText) {
    DebugItemBuffer buffer;
    buffer.Data()[0] = L'\0';
    buffer.Data()[DebugItemBuffer::kCharacters] = L'\0';
    EXPECT_THROW(buffer.Read(), ExtensionFault);
}

}  // namespace
}  // namespace StandinHostTests
