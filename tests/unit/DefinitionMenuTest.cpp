// The editor menus read from "ActionMenu", "ConditionMenu" and "ExpressionMenu".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/definition/MenuModel.h"

using namespace Vantor;
using Kind = MenuEntry::Kind;

namespace {

std::vector<MenuEntry> Menu(const std::string& array, std::int32_t base = kActionMenuBase) {
    JsonDocument doc = JsonDocument::Parse("{\"m\": " + array + "}");
    EXPECT_TRUE(doc.ok()) << doc.error();
    return BuildMenuModel(Member(doc.root(), "m"), base);
}

}  // namespace

TEST(DefinitionMenu, CommandNumbersWithTheThreeBases) {
    const std::string items = R"([ [0, "Zero"], [3, "Three"], [12, "Twelve"] ])";
    for (std::int32_t base : {kActionMenuBase, kConditionMenuBase, kExpressionMenuBase}) {
        const std::vector<MenuEntry> m = Menu(items, base);
        ASSERT_EQ(m.size(), 3u);
        EXPECT_EQ(m[0].kind, Kind::Command);
        EXPECT_EQ(m[0].command, base);
        EXPECT_EQ(m[0].text, "Zero");
        EXPECT_EQ(m[1].command, base + 3);
        EXPECT_EQ(m[2].command, base + 12);
        EXPECT_EQ(m[2].text, "Twelve");
        for (const MenuEntry& e : m) {
            EXPECT_FALSE(e.greyed);
            EXPECT_TRUE(e.children.empty());
            EXPECT_EQ(MenuItemFlags(e), 0x400u);
        }
    }
    EXPECT_EQ(kActionMenuBase, 25000);
    EXPECT_EQ(kConditionMenuBase, 26000);
    EXPECT_EQ(kExpressionMenuBase, 27000);
}

TEST(DefinitionMenu, GreyedItems) {
    const std::vector<MenuEntry> m =
        Menu(R"([ [3, "Text", true], [4, "F", false], [5, "S", "true"], [6, "N", 1], [7, "Four", true, 9] ])");
    ASSERT_EQ(m.size(), 5u);
    EXPECT_EQ(m[0].command, 25003);
    EXPECT_EQ(m[0].text, "Text");
    EXPECT_TRUE(m[0].greyed);
    EXPECT_EQ(MenuItemFlags(m[0]), 0x401u);
    EXPECT_FALSE(m[1].greyed);
    EXPECT_FALSE(m[2].greyed);
    EXPECT_FALSE(m[3].greyed);
    EXPECT_TRUE(m[4].greyed);
}

TEST(DefinitionMenu, Separators) {
    const std::vector<MenuEntry> m = Menu(
        R"([ "Separator", "separator", "SEPARATOR", "---", "----", "--", "Separators", " Separator", "", "x",
             [1, "a"] ])");
    ASSERT_EQ(m.size(), 5u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m[i].kind, Kind::Separator) << i;
        EXPECT_EQ(MenuItemFlags(m[i]), 0xC00u);
    }
    EXPECT_EQ(m[4].kind, Kind::Command);
    EXPECT_EQ(m[4].command, 25001);
    // An embedded NUL makes it another string, which is ignored.
    EXPECT_TRUE(Menu(R"([ "Separator\u0000", "---\u0000" ])").empty());
}

TEST(DefinitionMenu, Submenus) {
    const std::vector<MenuEntry> m = Menu(R"([
        [ "Banks", [ 0, "Load bank from file" ], [ 1, "Unload bank from file" ] ],
        "---",
        [ "Outer", [ 2, "Two" ], [ "Inner", [ 3, "Three", true ], "Separator", [ "Deep", [ 4, "Four" ] ] ], "x" ],
        [ 5, "Five" ]
    ])");
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].kind, Kind::Submenu);
    EXPECT_EQ(MenuItemFlags(m[0]), 0x410u);
    EXPECT_EQ(m[0].text, "Banks");
    ASSERT_EQ(m[0].children.size(), 2u);
    EXPECT_EQ(m[0].children[0].command, 25000);
    EXPECT_EQ(m[0].children[0].text, "Load bank from file");
    EXPECT_EQ(m[0].children[1].command, 25001);
    EXPECT_EQ(m[1].kind, Kind::Separator);
    const MenuEntry& outer = m[2];
    EXPECT_EQ(outer.kind, Kind::Submenu);
    ASSERT_EQ(outer.children.size(), 2u);  // "x" ignored
    EXPECT_EQ(outer.children[0].command, 25002);
    const MenuEntry& inner = outer.children[1];
    EXPECT_EQ(inner.kind, Kind::Submenu);
    EXPECT_EQ(inner.text, "Inner");
    ASSERT_EQ(inner.children.size(), 3u);
    EXPECT_EQ(inner.children[0].command, 25003);
    EXPECT_TRUE(inner.children[0].greyed);
    EXPECT_EQ(inner.children[1].kind, Kind::Separator);
    ASSERT_EQ(inner.children[2].kind, Kind::Submenu);
    ASSERT_EQ(inner.children[2].children.size(), 1u);
    EXPECT_EQ(inner.children[2].children[0].command, 25004);
    EXPECT_EQ(m[3].command, 25005);
}

TEST(DefinitionMenu, ArraysThatAreNotSubmenus) {
    // A string first element needs an array second element to make a submenu; else the
    // array is a command item whose number reads 0.
    const std::vector<MenuEntry> m =
        Menu(R"([ [ "Title" ], [ "Title", "text" ], [ "Title", 5 ], [], [ 2 ], [ 2, 3 ], [ "T", [] ] ])");
    ASSERT_EQ(m.size(), 7u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(m[i].kind, Kind::Command) << i;
    EXPECT_EQ(m[0].command, 25000);
    EXPECT_EQ(m[0].text, "");
    EXPECT_EQ(m[1].command, 25000);
    EXPECT_EQ(m[1].text, "text");
    EXPECT_EQ(m[2].text, "");
    EXPECT_EQ(m[3].command, 25000);
    EXPECT_EQ(m[4].command, 25002);
    EXPECT_EQ(m[4].text, "");
    EXPECT_EQ(m[5].text, "");  // a non-string text reads empty
    // [ "T", [] ]: a submenu whose one item, [], is a command 0 with empty text.
    EXPECT_EQ(m[6].kind, Kind::Submenu);
    ASSERT_EQ(m[6].children.size(), 1u);
    EXPECT_EQ(m[6].children[0].command, 25000);
}

TEST(DefinitionMenu, NonArrayNonStringElements) {
    const std::vector<MenuEntry> m = Menu(R"([ 7, 2.5, true, null, {"a": [1, "x"]} ])", kConditionMenuBase);
    ASSERT_EQ(m.size(), 5u);
    for (const MenuEntry& e : m) {
        EXPECT_EQ(e.kind, Kind::Command);
        EXPECT_EQ(e.command, 26000);
        EXPECT_EQ(e.text, "");
        EXPECT_FALSE(e.greyed);
    }
}

TEST(DefinitionMenu, NumbersAndTexts) {
    const std::vector<MenuEntry> m = Menu(
        R"([ [-1, "neg"], [2.9, "dbl"], [9223372036854775807, "huge"], [2147480000, "edge"], [1e300, "inf"],
             ["5", "str"], [1, "caf\u00e9 \u00fc\u20ac"], [1, "a\u0000b"] ])",
        kExpressionMenuBase);
    ASSERT_EQ(m.size(), 8u);
    EXPECT_EQ(m[0].command, 26999);
    EXPECT_EQ(m[1].command, 27002);
    EXPECT_EQ(m[2].command, 27000);  // out of the 32-bit range: read as 0
    EXPECT_EQ(m[3].command, 27000);  // 2147480000 + 27000 overflows 32 bits
    EXPECT_EQ(m[4].command, 27000);
    EXPECT_EQ(m[5].command, 27000);
    EXPECT_EQ(m[6].text, "caf\xC3\xA9 \xC3\xBC\xE2\x82\xAC");  // stays UTF-8
    EXPECT_EQ(m[7].text, std::string("a\0b", 3));
}

TEST(DefinitionMenu, NotAnArrayOrEmpty) {
    EXPECT_TRUE(Menu("[]").empty());
    EXPECT_TRUE(Menu("{}").empty());
    EXPECT_TRUE(Menu("\"Separator\"").empty());
    EXPECT_TRUE(BuildMenuModel(JsonNone(), kActionMenuBase).empty());
}

TEST(DefinitionMenu, NestingIsCapped) {
    // 5000 levels of [ "S", [ "S", ... [ 1, "leaf" ] ... ] ]: json-parser is not recursive,
    // so only the reader's cap keeps the stack safe.
    const int levels = 5000;
    std::string text;
    for (int i = 0; i < levels; ++i) text += "[\"S\", ";
    text += "[1, \"leaf\"]";
    for (int i = 0; i < levels; ++i) text += "]";
    const std::vector<MenuEntry> m = Menu("[" + text + "]");
    ASSERT_EQ(m.size(), 1u);
    int depth = 1;  // the top-level menu
    const MenuEntry* e = &m[0];
    while (!e->children.empty()) {
        ASSERT_EQ(e->kind, Kind::Submenu);
        ASSERT_EQ(e->children.size(), 1u);
        e = &e->children[0];
        ++depth;
    }
    // The deepest entry kept is a submenu on level kMaxMenuDepth, kept without its items.
    EXPECT_EQ(depth, kMaxMenuDepth);
    EXPECT_EQ(e->kind, Kind::Submenu);
    EXPECT_EQ(e->text, "S");

    // Exactly kMaxMenuDepth levels keep everything.
    text.clear();
    for (int i = 0; i < kMaxMenuDepth - 1; ++i) text += "[\"S\", ";
    text += "[1, \"leaf\"]";
    for (int i = 0; i < kMaxMenuDepth - 1; ++i) text += "]";
    const std::vector<MenuEntry> full = Menu("[" + text + "]");
    e = &full[0];
    depth = 1;
    while (e->kind == Kind::Submenu) {
        ASSERT_EQ(e->children.size(), 1u);
        e = &e->children[0];
        ++depth;
    }
    EXPECT_EQ(depth, kMaxMenuDepth);
    EXPECT_EQ(e->kind, Kind::Command);
    EXPECT_EQ(e->command, 25001);
}
