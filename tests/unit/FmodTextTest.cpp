// UTF-8 checks, case folding and the copy of texts into callers' buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "OutText.h"
#include "Utf8Text.h"

using namespace FmodStandin;

TEST(FmodText, ValidUtf8IsToldFromEveryKindOfBrokenSequence)
{
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("Ünï 音 \xF0\x9F\x8E\xB5"));
    EXPECT_FALSE(IsValidUtf8("\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC3"));              // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // over-long
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // over-long
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xC3\x28"));
}

TEST(FmodText, CaseFoldingTouchesAsciiLettersOnly)
{
    EXPECT_EQ(FoldAsciiCase("Event:/ÜBER/Mix_9"), "event:/Über/mix_9");
}

TEST(FmodText, BoundedTextNeverReadsPastItsLimit)
{
    EXPECT_FALSE(BoundedText(nullptr, 10).has_value());
    EXPECT_EQ(BoundedText("abc", 3).value(), "abc");
    const char unterminated[4] = {'a', 'b', 'c', 'd'};  // only limit + 1 bytes may be read
    EXPECT_FALSE(BoundedText(unterminated, 3).has_value());
}

TEST(FmodText, CopiesAreWholeOrCutOnACodePointWithTheNeededLength)
{
    char buffer[8];
    int retrieved = 0;
    EXPECT_EQ(CopyOutText("Größe", buffer, sizeof buffer, &retrieved), FMOD_OK);
    EXPECT_STREQ(buffer, "Größe");
    EXPECT_EQ(retrieved, 8);
    EXPECT_EQ(CopyOutText("Größe", buffer, 4, &retrieved), FMOD_ERR_TRUNCATED);
    EXPECT_STREQ(buffer, "Gr");
    EXPECT_EQ(retrieved, 8);
    EXPECT_EQ(CopyOutText("Größe", buffer, 5, nullptr), FMOD_ERR_TRUNCATED);
    EXPECT_STREQ(buffer, "Grö");
    EXPECT_EQ(CopyOutText("x", buffer, 0, &retrieved), FMOD_ERR_TRUNCATED);
    EXPECT_EQ(CopyOutText("x", nullptr, 0, &retrieved), FMOD_OK);
    EXPECT_EQ(retrieved, 2);
    EXPECT_EQ(CopyOutText("x", nullptr, 4, &retrieved), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(CopyOutText("x", buffer, -1, &retrieved), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(CopyOutText("", buffer, 1, &retrieved), FMOD_OK);
    EXPECT_STREQ(buffer, "");
}
