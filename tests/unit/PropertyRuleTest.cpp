// Visibility rules over a real block: references by title, comparisons, combinations and
// negation, and every way a rule can be malformed, including texts built to make a regular
// expression engine recurse or a substitution loop.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/EditDataAssembler.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/RuleReduction.h"
#include "sdk/properties/VisibilityRule.h"

using namespace Vantor;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// Properties 0..4 carry values; property 5 is the one whose rule each test sets.
class PropertyRule : public ::testing::Test {
protected:
    void Use(const std::string& rule, const std::string& name = "Mono", const std::string& key = "ShowIf")
    {
        const std::string definition = R"({"Properties": [
            {"Type": "Combo Box", "Title": "Quality", "Items": ["Low", "High"]},
            {"Type": "Checkbox", "Title": "Loud"},
            {"Type": "Editbox String", "Title": "Name"},
            {"Type": "Editbox Number", "Title": "Count"},
            {"Type": "Editbox String", "Title": "Loop"},
            {"Type": "Text", "Title": "Subject", ")"
            + key + R"(": )" + rule + "}]}";
        document_ = std::make_unique<JsonDocument>(JsonDocument::Parse(definition));
        ASSERT_TRUE(IsArray(Member(document_->root(), "Properties"))) << definition;
        EditDataAssembler a;
        ASSERT_TRUE(a.AddRecord(7, 0, "Quality", Bytes("LHigh")));
        ASSERT_TRUE(a.AddRecord(10, 1, "Loud", {}));
        ASSERT_TRUE(a.AddRecord(5, 2, "Name", Bytes(name)));
        ASSERT_TRUE(a.AddRecord(6, 3, "Count", Bytes("\x05\0\0\0")));
        ASSERT_TRUE(a.AddRecord(5, 4, "Loop", Bytes("[Loop]")));
        ASSERT_TRUE(a.AddRecord(1, 5, "", {}));
        ASSERT_TRUE(a.SetChecked(1, true));
        block_ = a.Finish({0, 0}, 0, 0);
    }

    RuleResult Evaluate(const std::string& key = "ShowIf")
    {
        boxes_.clear();
        auto props = EditDataView(block_.data(), block_.size()).PropertiesAt(20);
        EXPECT_TRUE(props.ok());
        const PropertyDefinition definition{Member(document_->root(), "Properties"), "English"};
        return EvaluateRule(props.value(), definition, 5, key, boxes_);
    }

    std::string OnlyBox() const
    {
        EXPECT_EQ(boxes_.size(), 1u);
        if (boxes_.empty())
            return {};
        EXPECT_EQ(boxes_[0].kind, Problem::Kind::ErrorBox);
        EXPECT_EQ(boxes_[0].title, "Vantor property error");
        return boxes_[0].text;
    }

    std::unique_ptr<JsonDocument> document_;
    std::vector<std::uint8_t> block_;
    std::vector<Problem> boxes_;
};

TEST_F(PropertyRule, ReferencesCompareTheirValuesIgnoringCase)
{
    Use(R"("[quality] == \"HIGH\"")");
    EXPECT_EQ(Evaluate(), kRuleTrue);
    Use(R"("[Quality] != \"high\"")");
    EXPECT_EQ(Evaluate(), kRuleFalse);
    Use(R"("[Name]==\"mono\"")", "MONO");
    EXPECT_EQ(Evaluate(), kRuleTrue);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(PropertyRule, ACheckboxAloneIsItsState)
{
    Use(R"("[Loud]")");
    EXPECT_EQ(Evaluate(), kRuleTrue);
    Use(R"("![Loud]")");
    EXPECT_EQ(Evaluate(), kRuleFalse);
}

TEST_F(PropertyRule, NegationOnlyDirectlyBeforeTheWord)
{
    Use(R"("!false")");
    EXPECT_EQ(Evaluate(), kRuleTrue);
    Use(R"("!true")");
    EXPECT_EQ(Evaluate(), kRuleFalse);
    Use(R"("! true")");
    EXPECT_EQ(Evaluate(), kRuleMalformed);
    EXPECT_EQ(OnlyBox(), "ShowIf property \"Subject\" was parsed into\n! true\n... which is unparseable.");
}

TEST_F(PropertyRule, CombinationsGroupFromTheLeftAfterComparisons)
{
    Use(R"("true || false && false")");
    EXPECT_EQ(Evaluate(), kRuleFalse);
    Use(R"("[Loud] && [Quality] == \"low\" || [Name] == \"Mono\"")");
    EXPECT_EQ(Evaluate(), kRuleTrue);
    Use(R"("[Loud] && [Quality] == \"low\"")");
    EXPECT_EQ(Evaluate(), kRuleFalse);
}

TEST_F(PropertyRule, NoRuleOrANonTextRuleIsTrue)
{
    Use("42");
    EXPECT_EQ(Evaluate(), kRuleTrue);
    EXPECT_EQ(Evaluate("EnableIf"), kRuleTrue);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(PropertyRule, MalformedRulesSayWhy)
{
    Use(R"("[Quality == \"x\"")");
    EXPECT_EQ(Evaluate(), kRuleMalformed);
    EXPECT_EQ(OnlyBox(), "Malformed JSON: ShowIf value \"[Quality == \"x\"\" is invalid.");

    Use(R"("[Volume] == \"x\"")", "Mono", "EnableIf");
    EXPECT_EQ(Evaluate("EnableIf"), kRuleMalformed);
    EXPECT_EQ(OnlyBox(), "Malformed JSON: EnableIf property name \"Volume\" does not exist.");

    Use(R"("[Count] == \"5\"")");
    EXPECT_EQ(Evaluate(), kRuleMalformed);
    EXPECT_EQ(OnlyBox(),
        "Malformed JSON: evaluation of \"ShowIf\" included property name \"Count\", which is not usable in evaluation.");

    Use(R"("[Loud] ^^ true")");
    EXPECT_EQ(Evaluate(), kRuleMalformed);
}

TEST_F(PropertyRule, ASubstitutedValueIsReadAgainForReferences)
{
    // "[Mono]" names no property: the substituted text is searched again, as the rule itself.
    Use(R"("[Name] == \"x\"")", "[Mono]");
    EXPECT_EQ(Evaluate(), kRuleMalformed);
    EXPECT_EQ(OnlyBox(), "Malformed JSON: ShowIf property name \"Mono\" does not exist.");
}

TEST_F(PropertyRule, AValueReferringToItselfEndsWithAMessage)
{
    Use(R"("[Loop] == \"x\"")");
    EXPECT_EQ(Evaluate(), kRuleMalformed);
    EXPECT_NE(OnlyBox().find("refers to properties too many times"), std::string::npos);
}

TEST_F(PropertyRule, LongValuesNeitherRecurseNorHang)
{
    Use(R"("[Name] == [Name] && [Name] != \"x\"")", std::string(4000, '"'));
    Evaluate();  // what it reduces to matters less than that it returns, within bounds

    Use(R"("[Name] == \"a\"")", std::string(3000, 'a'));
    EXPECT_EQ(Evaluate(), kRuleFalse);
}

TEST(RuleReduction, MatchesLikeTheLazyPattern)
{
    // The leftmost quote starts the text, which ends at the first later quote a comparison follows.
    EXPECT_EQ(ReduceRule(R"("a" x "b" == "a" x "b")").value, std::nullopt);
    EXPECT_EQ(ReduceRule(R"("a" x "b" == "a" x "b")").text, R"(falsex "b")");
    // A quoted text does not run over a line break; blanks around operators may.
    EXPECT_EQ(ReduceRule("\"a\n\" == \"a\n\"").value, std::nullopt);
    EXPECT_EQ(ReduceRule("\"a\"\n==\n\"A\"").value, true);
    EXPECT_EQ(ReduceRule("\"\" == \"\"").value, true);
    EXPECT_EQ(ReduceRule("false||true   ").value, true);
    EXPECT_EQ(ReduceRule("untrue").value, std::nullopt);
    EXPECT_EQ(ReduceRule("").value, std::nullopt);
}

TEST(RuleReduction, PathologicalTextsEnd)
{
    EXPECT_EQ(ReduceRule(std::string(kLongestReducibleRule, '"')).value, std::nullopt);
    EXPECT_EQ(ReduceRule(std::string(kLongestReducibleRule + 1, 'x')).value, std::nullopt);
    std::string chain = "true";
    while (chain.size() < 8000)
        chain += " && true";
    EXPECT_EQ(ReduceRule(chain).value, true);
    std::string comparisons = "\"a\" == \"a\"";
    while (comparisons.size() < 8000)
        comparisons += " || \"a\" == \"b\"";
    EXPECT_EQ(ReduceRule(comparisons).value, true);
}

}  // namespace
