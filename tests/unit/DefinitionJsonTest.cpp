// The never-failing lookups of Json.h.
#include <gtest/gtest.h>

#include <string>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"

using namespace Vantor;
using namespace std::string_literals;

TEST(DefinitionJson, MemberIsExactAndNeverFails) {
    JsonDocument doc = JsonDocument::Parse(
        "{\"Key\": 1, \"key\": 2, \"Keys\": 3, \"a\\u0000b\": 4, \"Key\": 5, \"s\": \"x\\u0000y\"}");
    ASSERT_TRUE(doc.ok()) << doc.error();
    const json_value& root = doc.root();
    EXPECT_EQ(Integer(Member(root, "Key")), 1);  // the first of two
    EXPECT_EQ(Integer(Member(root, "key")), 2);
    EXPECT_EQ(Integer(Member(root, "Keys")), 3);
    EXPECT_EQ(Member(root, "Ke").type, json_none);
    EXPECT_EQ(Member(root, "KEY").type, json_none);
    EXPECT_EQ(Integer(Member(root, "a\0b"s)), 4);
    EXPECT_EQ(Member(root, "a").type, json_none);
    EXPECT_EQ(MemberIndex(root, "Keys"), 2);
    EXPECT_EQ(MemberIndex(root, "nope"), -1);
    EXPECT_EQ(Text(Member(root, "s")), "x\0y"s);
    EXPECT_EQ(Text(Member(root, "s")).size(), 3u);
    EXPECT_EQ(MemberCount(root), 6u);
    EXPECT_EQ(MemberName(root, 3), "a\0b"s);
    EXPECT_EQ(MemberName(root, 99), "");
    EXPECT_EQ(MemberValue(root, 99).type, json_none);
    // Lookups on none and on non-objects.
    EXPECT_EQ(Member(Member(root, "Key"), "x").type, json_none);
    EXPECT_EQ(Member(JsonNone(), "x").type, json_none);
    EXPECT_EQ(Member(Member(Member(root, "x"), "y"), "z").type, json_none);
    EXPECT_EQ(MemberCount(Member(root, "Key")), 0u);
}

TEST(DefinitionJson, ElementsAndScalars) {
    JsonDocument doc = JsonDocument::Parse(
        "{\"a\": [1, -2, 3.9, -3.9, 1e300, \"t\", true, false, null, {}, []], \"big\": 9223372036854775807}");
    ASSERT_TRUE(doc.ok()) << doc.error();
    const json_value& a = Member(doc.root(), "a");
    EXPECT_EQ(ElementCount(a), 11u);
    EXPECT_EQ(Integer(Element(a, 0)), 1);
    EXPECT_EQ(Integer(Element(a, 1)), -2);
    EXPECT_EQ(Integer(Element(a, 2)), 3);
    EXPECT_EQ(Integer(Element(a, 3)), -3);
    EXPECT_EQ(Integer(Element(a, 4)), 0);  // out of range of 64 bits
    EXPECT_EQ(Integer(Element(a, 5)), 0);
    EXPECT_EQ(Text(Element(a, 5)), "t");
    EXPECT_EQ(Text(Element(a, 0)), "");
    EXPECT_TRUE(Boolean(Element(a, 6)));
    EXPECT_FALSE(Boolean(Element(a, 7)));
    EXPECT_FALSE(Boolean(Element(a, 0)));
    EXPECT_FALSE(Boolean(Element(a, 5)));
    EXPECT_TRUE(IsBoolean(Element(a, 7)));
    EXPECT_EQ(Element(a, 8).type, json_null);
    EXPECT_TRUE(IsObject(Element(a, 9)));
    EXPECT_TRUE(IsArray(Element(a, 10)));
    EXPECT_TRUE(IsString(Element(a, 5)));
    EXPECT_TRUE(IsInteger(Element(a, 0)));
    EXPECT_FALSE(IsInteger(Element(a, 2)));
    EXPECT_TRUE(IsNumber(Element(a, 2)));
    EXPECT_EQ(Element(a, 11).type, json_none);
    EXPECT_EQ(Element(doc.root(), 0).type, json_none);  // not an array
    EXPECT_EQ(ElementCount(doc.root()), 0u);
    EXPECT_EQ(Integer(Member(doc.root(), "big")), 9223372036854775807LL);
    EXPECT_EQ(Integer(JsonNone()), 0);
    EXPECT_EQ(Text(JsonNone()), "");
    EXPECT_FALSE(Boolean(JsonNone()));
}

TEST(DefinitionJson, AsciiCaseFolding) {
    EXPECT_TRUE(EqualsIgnoringAsciiCase("Separator", "sEPARATOR"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase("Separator", "Separators"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase("\xC3\x89", "\xC3\xA9"));  // É é: not ASCII
    EXPECT_FALSE(EqualsIgnoringAsciiCase("a@", "a`"));
    EXPECT_TRUE(EqualsIgnoringAsciiCase("", ""));
}
