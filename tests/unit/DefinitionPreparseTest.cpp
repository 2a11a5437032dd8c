// Pre-parse (BOM, comments) and the parser's messages in their listed forms.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <type_traits>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/definition/Preparse.h"

using namespace Vantor;
using namespace std::string_literals;

namespace {

const std::string kBom = "\xEF\xBB\xBF";

std::string ParseError(std::string_view text) {
    JsonDocument doc = JsonDocument::Parse(text);
    EXPECT_FALSE(doc.ok()) << text;
    EXPECT_EQ(doc.root().type, json_none);
    return doc.error();
}

}  // namespace

// ---- Pre-parse -------------------------------------------------------------------------

TEST(DefinitionPreparse, StartMustBeBraceSlashWhiteSpaceOrBom) {
    const std::string kStartError =
        "Line 1, char 0: Unrecognised start; not a UTF-8 BOM or brace. Is the JSON not in UTF-8 encoding?";
    for (std::string_view bad : {"", "[1]", "x{}", "\"a\"", "\xEF\xBB", "\xEF\xBB{}"}) {
        PreparsedText pre = Preparse(bad);
        EXPECT_FALSE(pre.ok) << bad;
        EXPECT_EQ(pre.error, kStartError) << bad;
    }
    EXPECT_EQ(ParseError("[1]"), kStartError);
    // UTF-16 with its BOM: not UTF-8.
    EXPECT_EQ(ParseError("\xFF\xFE{\0}\0"s), kStartError);

    for (std::string_view good : {"{}", "/**/{}", " {}", "\t{}", "\r\n{}", "\n{}"}) {
        PreparsedText pre = Preparse(good);
        EXPECT_TRUE(pre.ok) << good;
        EXPECT_TRUE(JsonDocument::Parse(good).ok()) << good;
    }
    // After a BOM anything may follow as far as the pre-parse goes.
    EXPECT_TRUE(Preparse(kBom + "[1]").ok);
    EXPECT_EQ(Preparse(kBom + "[1]").text, "[1]");
    EXPECT_TRUE(Preparse(kBom).ok);
}

TEST(DefinitionPreparse, NoSlashLeavesTextAndDropsBom) {
    EXPECT_EQ(Preparse("{\"a\": 1}").text, "{\"a\": 1}");
    EXPECT_EQ(Preparse(kBom + "{\"a\": 1}").text, "{\"a\": 1}");
    JsonDocument doc = JsonDocument::Parse(kBom + "{\"a\": 1}");
    ASSERT_TRUE(doc.ok()) << doc.error();
    EXPECT_EQ(Integer(Member(doc.root(), "a")), 1);
}

TEST(DefinitionPreparse, SlashesButNoCommentsLeaveTextUnchanged) {
    const std::string text = "{\"url\": \"https://example.com/a/b\", \"c\": \"/*x*/\"}";
    PreparsedText pre = Preparse(kBom + text);
    ASSERT_TRUE(pre.ok);
    EXPECT_EQ(pre.text, text);
}

TEST(DefinitionPreparse, LineCommentBecomesCarriageReturnLineFeed) {
    PreparsedText pre = Preparse("{ // hello\n\"a\": 1 // there\r\n}");
    ASSERT_TRUE(pre.ok) << pre.error;
    EXPECT_EQ(pre.text, "{ \r\n\"a\": 1 \r\n}");
}

TEST(DefinitionPreparse, BlockCommentKeepsOnlyLineFeeds) {
    PreparsedText pre = Preparse("{/* one\r\n two // not a line comment\n three */\"a\":/**/1}");
    ASSERT_TRUE(pre.ok) << pre.error;
    EXPECT_EQ(pre.text, "{\n\n\"a\":1}");
    // "/*/" does not close the comment it opens; "*/" closes it after the first "*".
    pre = Preparse("{/*/ x **/\"a\":1}");
    ASSERT_TRUE(pre.ok) << pre.error;
    EXPECT_EQ(pre.text, "{\"a\":1}");
    // A "/*" inside a line comment and a "//" inside a block comment are just text.
    pre = Preparse("{// a /* b\n/* // */}");
    ASSERT_TRUE(pre.ok) << pre.error;
    EXPECT_EQ(pre.text, "{\r\n}");
}

TEST(DefinitionPreparse, CommentsInsideStringsStay) {
    const std::string text = "{\"url\": \"https://x.org/a\", \"b\": \"/* not */\"} // end\n";
    PreparsedText pre = Preparse(text);
    ASSERT_TRUE(pre.ok) << pre.error;
    EXPECT_EQ(pre.text, "{\"url\": \"https://x.org/a\", \"b\": \"/* not */\"} \r\n");
    JsonDocument doc = JsonDocument::Parse(text);
    ASSERT_TRUE(doc.ok()) << doc.error();
    EXPECT_EQ(Text(Member(doc.root(), "url")), "https://x.org/a");
    EXPECT_EQ(Text(Member(doc.root(), "b")), "/* not */");
}

TEST(DefinitionPreparse, EscapedQuoteDoesNotEndString) {
    // JSON text: {"k": "a\"//b"} // c
    const std::string text = "{\"k\": \"a\\\"//b\"} // c\n";
    PreparsedText pre = Preparse(text);
    ASSERT_TRUE(pre.ok) << pre.error;
    EXPECT_EQ(pre.text, "{\"k\": \"a\\\"//b\"} \r\n");
    JsonDocument doc = JsonDocument::Parse(text);
    ASSERT_TRUE(doc.ok()) << doc.error();
    EXPECT_EQ(Text(Member(doc.root(), "k")), "a\"//b");
}

TEST(DefinitionPreparse, EscapedBackslashBeforeQuoteEndsString) {
    // JSON text: {"p": "C:\\", // comment
    //             "u": "http://x"}
    // The quote after the escaped backslash does end the string, so the comment is one and
    // the "//" of the URL is not.
    const std::string text = "{\"p\": \"C:\\\\\", // comment\n\"u\": \"http://x\"}";
    PreparsedText pre = Preparse(text);
    ASSERT_TRUE(pre.ok) << pre.error;
    EXPECT_EQ(pre.text, "{\"p\": \"C:\\\\\", \r\n\"u\": \"http://x\"}");
    JsonDocument doc = JsonDocument::Parse(text);
    ASSERT_TRUE(doc.ok()) << doc.error();
    EXPECT_EQ(Text(Member(doc.root(), "p")), "C:\\");
    EXPECT_EQ(Text(Member(doc.root(), "u")), "http://x");
}

TEST(DefinitionPreparse, UnterminatedLineComment) {
    EXPECT_EQ(Preparse("{} // last line").error,
              "Line 1, char 3: Opened // comment but no newline encountered.");
    EXPECT_EQ(ParseError("{\n  \"a\": 1\n}\n// end"),
              "Line 4, char 0: Opened // comment but no newline encountered.");
    EXPECT_EQ(ParseError("{\n\t\"a\": 1 //x"), "Line 2, char 8: Opened // comment but no newline encountered.");
    // A carriage return alone does not end it.
    EXPECT_EQ(ParseError("{}//x\r"), "Line 1, char 2: Opened // comment but no newline encountered.");
    // Line 1 is counted from after the byte-order mark.
    EXPECT_EQ(ParseError(kBom + "{}//"), "Line 1, char 2: Opened // comment but no newline encountered.");
    // Line feeds inside an earlier block comment count.
    EXPECT_EQ(ParseError("{/*\n\n*/} //"), "Line 3, char 4: Opened // comment but no newline encountered.");
}

TEST(DefinitionPreparse, UnclosedBlockComment) {
    EXPECT_EQ(Preparse("{/* x").error, "Line 1, char 1: Opened /* */ comment without closing it.");
    EXPECT_EQ(ParseError("{\n  \"a\": 1, /* never\n closed }"),
              "Line 2, char 10: Opened /* */ comment without closing it.");
    EXPECT_EQ(ParseError("/*/"), "Line 1, char 0: Opened /* */ comment without closing it.");
    EXPECT_EQ(ParseError("{} /* *"), "Line 1, char 3: Opened /* */ comment without closing it.");
}

TEST(DefinitionPreparse, PositionOfCountsLineFeedsAndBytes) {
    EXPECT_EQ(PositionOf("abc", 0).line, 1);
    EXPECT_EQ(PositionOf("abc", 2).character, 2);
    EXPECT_EQ(PositionOf("a\nbc", 3).line, 2);
    EXPECT_EQ(PositionOf("a\nbc", 3).character, 1);
    EXPECT_EQ(PositionOf("a\r\nbc", 3).character, 0);
    EXPECT_EQ(PositionOf("a", 99).character, 1);
}

TEST(DefinitionPreparse, BomWithCommentsParses) {
    const std::string text = kBom +
                             "// The definition\n"
                             "// of something\n"
                             "{\n"
                             "\t\"Identifier\": \"ABCD\", // four letters\n"
                             "\t/* block\n\t   comment */ \"Dependencies\": \"\"\n"
                             "}\n";
    JsonDocument doc = JsonDocument::Parse(text);
    ASSERT_TRUE(doc.ok()) << doc.error();
    EXPECT_EQ(Text(Member(doc.root(), "Identifier")), "ABCD");
    EXPECT_EQ(MemberCount(doc.root()), 2u);
}

TEST(DefinitionPreparse, ErrorAfterStrippedBlockCommentHasTheFileLine) {
    // The error (a missing comma) sits on line 6 of the file.
    const std::string text =
        "{\n"
        "/* a comment\n"
        "   over three\n"
        "   lines */\n"
        "\"a\": 1\n"
        "\"b\": 2\n"
        "}\n";
    EXPECT_EQ(ParseError(text), "Line 6, char 0: Expected , before \"");
    EXPECT_EQ(ParseError(kBom + text), "Line 6, char 0: Expected , before \"");
    // The same behind line comments (each becomes CR LF).
    EXPECT_EQ(ParseError("{ // one\n// two\n\"a\": 1 // three\n\"b\": 2}"), "Line 4, char 0: Expected , before \"");
}

// ---- Parser messages -------------------------------------------------------------------

TEST(DefinitionParserMessages, EveryFormThatCanBeProvoked) {
    EXPECT_EQ(ParseError("{} x"), "Line 1, char 0: Trailing garbage: `x`");
    EXPECT_EQ(ParseError("{}\n\n}"), "Line 3, char 0: Trailing garbage: `}`");
    EXPECT_EQ(ParseError("{\"a\": \"abc"), "Unexpected EOF in string (at line 1, char 0)");
    EXPECT_EQ(ParseError("{\"a\":\n\"abc\0def\"}"s), "Unexpected EOF in string (at line 2, char 0)");
    EXPECT_EQ(ParseError("{\"a\": \"\\uZZZZ\"}"), "Invalid character value `u` (at line 1, char 0)");
    EXPECT_EQ(ParseError("{\"a\": \"\\uD800\\u00\"}"), "Invalid character value `u` (at line 1, char 0)");
    EXPECT_EQ(ParseError("{\"a\": ]}"), "Line 1, char 0: Unexpected ]");
    EXPECT_EQ(ParseError("{\"a\": [1 2]}"), "Line 1, char 0: Expected , before 2");
    EXPECT_EQ(ParseError("{\"a\" 1}"), "Line 1, char 0: Expected : before 1");
    EXPECT_EQ(ParseError("{\"a\": x}"), "Line 1, char 0: Unexpected x when seeking value");
    EXPECT_EQ(ParseError("{\"a\": 1 \"b\": 2}"), "Line 1, char 0: Expected , before \"");
    EXPECT_EQ(ParseError("{1}"), "Line 1, char 0: Unexpected `1` in object");
    EXPECT_EQ(ParseError("{,}"), "Line 1, char 0: Unexpected `,` in object");
    EXPECT_EQ(ParseError("{\"a\": 1"), "Line 1, char 0: Unexpected `\\0` in object");
    EXPECT_EQ(ParseError("{\n\n"), "Line 3, char 0: Unexpected `\\0` in object");
    EXPECT_EQ(ParseError("{\"a\": 1\0}"s), "Line 1, char 0: Unexpected `\\0` in object");
    EXPECT_EQ(ParseError("{\"a\": 01}"), "Line 1, char 0: Unexpected `0` before `1`");
    EXPECT_EQ(ParseError("{\"a\": -.5}"), "Line 1, char 0: Expected digit before `.`");
    EXPECT_EQ(ParseError("{\"a\": 1.}"), "Line 1, char 0: Expected digit after `.`");
    EXPECT_EQ(ParseError("{\"a\": 1e}"), "Line 1, char 0: Expected digit after `e`");
    EXPECT_EQ(ParseError("{\"a\": tru}"), "Line 1, char 0: Unknown value");
    EXPECT_EQ(ParseError("{\"a\": nul}"), "Line 1, char 0: Unknown value");
    EXPECT_EQ(ParseError("{\"a\": fals}"), "Line 1, char 0: Unknown value");
}

TEST(DefinitionParserMessages, CharacterCutShortByNulKeepsTheCFormatResult) {
    // "%c" of a NUL byte ends the text where it stands, as the listed form printed by C does.
    EXPECT_EQ(ParseError("{\"a\": [1"), "Line 1, char 0: Expected , before ");
    EXPECT_EQ(ParseError("{\"a\""), "Line 1, char 0: Expected : before ");
    EXPECT_EQ(ParseError("{\"a\":"), "Line 1, char 0: Unexpected ");
    EXPECT_EQ(ParseError(" "), "Line 1, char 0: Unexpected ");
    EXPECT_EQ(ParseError(kBom), "Line 1, char 0: Unexpected ");
}

TEST(DefinitionParserMessages, TruncatedInputIsSafe) {
    // json-parser 1.1.0 reads ahead at "\u" escapes and at true/false/null; the padded copy
    // keeps those reads inside the buffer (the sanitizers would say otherwise).
    for (std::string_view text : {"{\"a\":\"\\u", "{\"a\":\"\\u1", "{\"a\":\"\\u12", "{\"a\":\"\\u123",
                                  "{\"a\":\"\\uD800\\u", "{\"a\":\"\\uD800\\uDC0", "{\"a\":t", "{\"a\":tr",
                                  "{\"a\":tru", "{\"a\":true", "{\"a\":f", "{\"a\":fals", "{\"a\":false",
                                  "{\"a\":n", "{\"a\":nul", "{\"a\":null", "{\"a\":1", "{\"a\":1.", "{\"a\":1e",
                                  "{\"a\":-", "{\"a\":\"", "{\"a", "{\"", "{"}) {
        JsonDocument doc = JsonDocument::Parse(text);
        EXPECT_FALSE(doc.ok()) << text;
        EXPECT_FALSE(doc.error().empty()) << text;
    }
}

TEST(DefinitionParserMessages, CommentMessagesCannotAppear) {
    // Comments are off in the parser: what the pre-parse leaves of a stray "/" is plain garbage.
    EXPECT_EQ(ParseError("{\"a\": /x}"), "Line 1, char 0: Unexpected / when seeking value");
    EXPECT_EQ(ParseError("{} /"), "Line 1, char 0: Trailing garbage: `/`");
    EXPECT_EQ(ParseError("{/}"), "Line 1, char 0: Unexpected `/` in object");
}

TEST(DefinitionParserMessages, RewriteOfEveryListedForm) {
    EXPECT_EQ(RewriteParserMessage("3:0: Trailing garbage: `x`"), "Line 3, char 0: Trailing garbage: `x`");
    EXPECT_EQ(RewriteParserMessage("Unexpected EOF in string (at 12:0)"),
              "Unexpected EOF in string (at line 12, char 0)");
    EXPECT_EQ(RewriteParserMessage("Invalid character value `u` (at 1:7)"),
              "Invalid character value `u` (at line 1, char 7)");
    EXPECT_EQ(RewriteParserMessage("1:0: Unexpected ]"), "Line 1, char 0: Unexpected ]");
    EXPECT_EQ(RewriteParserMessage("1:0: Expected , before x"), "Line 1, char 0: Expected , before x");
    EXPECT_EQ(RewriteParserMessage("1:0: Expected : before x"), "Line 1, char 0: Expected : before x");
    EXPECT_EQ(RewriteParserMessage("1:0: Unexpected x when seeking value"),
              "Line 1, char 0: Unexpected x when seeking value");
    EXPECT_EQ(RewriteParserMessage("1:0: Expected , before \""), "Line 1, char 0: Expected , before \"");
    EXPECT_EQ(RewriteParserMessage("1:0: Unexpected `x` in object"), "Line 1, char 0: Unexpected `x` in object");
    EXPECT_EQ(RewriteParserMessage("9:0: Unexpected `"), "Line 9, char 0: Unexpected `\\0` in object");
    EXPECT_EQ(RewriteParserMessage("1:0: Unexpected `0` before `1`"), "Line 1, char 0: Unexpected `0` before `1`");
    EXPECT_EQ(RewriteParserMessage("1:0: Expected digit before `.`"), "Line 1, char 0: Expected digit before `.`");
    EXPECT_EQ(RewriteParserMessage("1:0: Expected digit after `.`"), "Line 1, char 0: Expected digit after `.`");
    EXPECT_EQ(RewriteParserMessage("1:0: Expected digit after `e`"), "Line 1, char 0: Expected digit after `e`");
    EXPECT_EQ(RewriteParserMessage("1:0: Unknown value"), "Line 1, char 0: Unknown value");
    EXPECT_EQ(RewriteParserMessage("Memory allocation failure"), "Memory allocation failure");
    EXPECT_EQ(RewriteParserMessage("4:0: Too long (caught overflow)"), "Line 4, char 0: Too long (caught overflow)");
    EXPECT_EQ(RewriteParserMessage("Unknown error"), "Unknown error");
    EXPECT_EQ(RewriteParserMessage(""), "Unknown error");
    // Not of json-parser's forms: left alone.
    EXPECT_EQ(RewriteParserMessage("1:x: nope"), "1:x: nope");
    EXPECT_EQ(RewriteParserMessage("odd (at here)"), "odd (at here)");
}

// ---- Document ownership ----------------------------------------------------------------

TEST(DefinitionDocument, MoveOnlyOwnership) {
    static_assert(!std::is_copy_constructible_v<JsonDocument>);
    static_assert(std::is_nothrow_move_constructible_v<JsonDocument>);
    JsonDocument a = JsonDocument::Parse("{\"x\": [1, 2, 3]}");
    ASSERT_TRUE(a.ok());
    JsonDocument b = std::move(a);
    EXPECT_TRUE(b.ok());
    EXPECT_EQ(ElementCount(Member(b.root(), "x")), 3u);
    JsonDocument c;
    EXPECT_FALSE(c.ok());
    EXPECT_EQ(c.root().type, json_none);
    c = std::move(b);
    EXPECT_EQ(Integer(Element(Member(c.root(), "x"), 2)), 3);
    c = JsonDocument::Parse("{\"y\": true}");
    EXPECT_TRUE(Boolean(Member(c.root(), "y")));
}
