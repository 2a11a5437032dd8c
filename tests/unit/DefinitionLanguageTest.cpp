// Choosing the language block: the default and the "Languages" setting.
#include <gtest/gtest.h>

#include <string>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/definition/LanguageChoice.h"

using namespace Vantor;

namespace {

JsonDocument Doc(const std::string& text) {
    JsonDocument doc = JsonDocument::Parse(text);
    EXPECT_TRUE(doc.ok()) << doc.error();
    return doc;
}

const char* kTwoLanguages = R"({
    "Identifier": "ABCD",
    "Dependencies": "",
    "UK English": { "About": { "Name": "English object" } },
    "Francais": { "About": { "Name": "Objet" } },
    "Nihongo": { }
})";

}  // namespace

TEST(DefinitionLanguage, DefaultIsFirstWithAboutName) {
    JsonDocument doc = Doc(kTwoLanguages);
    EXPECT_EQ(DefaultLanguageMember(doc.root()), 2);
    EXPECT_EQ(MemberName(doc.root(), 2), "UK English");

    doc = Doc(R"({"A": {"About": {"Name": 5}}, "B": {"About": "Name"}, "C": {"Name": "x"},
                  "D": {"About": {"Name": ""}}, "E": {"About": {"Name": "e"}}})");
    EXPECT_EQ(DefaultLanguageMember(doc.root()), 3);  // an empty string still is a string
}

TEST(DefinitionLanguage, DefaultWithoutAboutNameIsTheLastMember) {
    JsonDocument doc = Doc(R"({"Identifier": "X", "One": {"Actions": []}, "Two": {"Actions": []}})");
    EXPECT_EQ(DefaultLanguageMember(doc.root()), 2);
    // A last member that is not an object is passed over for the last one that is.
    doc = Doc(R"({"Identifier": "X", "One": {}, "Two": {}, "Dependencies": ""})");
    EXPECT_EQ(DefaultLanguageMember(doc.root()), 2);
    doc = Doc(R"({"Identifier": "X", "Dependencies": ""})");
    EXPECT_EQ(DefaultLanguageMember(doc.root()), -1);
    doc = Doc("{}");
    EXPECT_EQ(DefaultLanguageMember(doc.root()), -1);
    EXPECT_EQ(DefaultLanguageMember(JsonNone()), -1);
    doc = JsonDocument::Parse("\xEF\xBB\xBF[{\"About\": {\"Name\": \"x\"}}]");
    ASSERT_TRUE(doc.ok());
    EXPECT_EQ(DefaultLanguageMember(doc.root()), -1);  // the root is not an object
}

TEST(DefinitionLanguage, SecondItemWithLeadingSpaceAndOtherCase) {
    JsonDocument doc = Doc(kTwoLanguages);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "Deutsch; francais"), 3);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "Deutsch;FRANCAIS"), 3);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "uk english"), 2);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "Nihongo;Francais"), 4);  // first item wins
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "Francais;Nihongo"), 3);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "Deutsch;;Nihongo;"), 4);
}

TEST(DefinitionLanguage, OnlyOneLeadingSpaceAndNoTrimming) {
    JsonDocument doc = Doc(kTwoLanguages);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "  Francais"), -1);  // two spaces
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "Francais "), -1);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "\tFrancais"), -1);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), " Francais ; Nihongo"), 4);
}

TEST(DefinitionLanguage, NoMatchOrNonObjectMembers) {
    JsonDocument doc = Doc(kTwoLanguages);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), ""), -1);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), " "), -1);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), ";;;"), -1);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "Deutsch"), -1);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "Identifier;Dependencies"), -1);  // not objects
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "UK"), -1);                        // whole names only
    EXPECT_EQ(ChooseLanguageMember(doc.root(), std::string_view("UK English\0", 11)), -1);
    EXPECT_EQ(ChooseLanguageMember(JsonNone(), "UK English"), -1);
    // An empty item does not name a block with an empty name.
    doc = Doc(R"({"": {}, "A": {}})");
    EXPECT_EQ(ChooseLanguageMember(doc.root(), ";A"), 1);
    EXPECT_EQ(ChooseLanguageMember(doc.root(), " "), -1);
}

TEST(DefinitionLanguage, CaseOnlyDifferencesPickTheFirstMember) {
    JsonDocument doc = Doc(R"({"english": 1, "English": {}, "ENGLISH": {}})");
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "EnGlIsH"), 1);
}
