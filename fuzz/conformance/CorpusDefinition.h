// One case of the JSON conformance corpus made into a definition the library can read: the
// case is the value of a member of the language block, and a byte-order mark that opens the
// case opens the definition, where the library looks for it.
#pragma once

#include <string>
#include <string_view>

namespace VantorConformance {

inline std::string CorpusDefinition(std::string_view corpusCase)
{
    static constexpr std::string_view kBom = "\xEF\xBB\xBF";
    std::string definition;
    if (corpusCase.substr(0, kBom.size()) == kBom) {
        definition += kBom;
        corpusCase.remove_prefix(kBom.size());
    }
    // No line feed before the closing braces: a case ending in an open "//" stays open.
    definition += R"({"Identifier": "JSTS", "UK English": {"About": {"Name": "JSON test suite"}, "Case": )";
    definition += corpusCase;
    definition += "}}";
    return definition;
}

}  // namespace VantorConformance
