// Type-name translators and the ACEInfo records built from a language block.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sdk/definition/AceTables.h"
#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/definition/LanguageChoice.h"
#include "sdk/definition/MenuModel.h"
#include "sdk/definition/TypeCodes.h"

using namespace Vantor;
using namespace std::string_literals;

namespace {

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}
std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

struct Built {
    JsonDocument doc;
    AceTables tables;
    Reports reports;
};

Built BuildFrom(const std::string& language) {
    Built b;
    b.doc = JsonDocument::Parse(language);
    EXPECT_TRUE(b.doc.ok()) << b.doc.error();
    b.tables = BuildAceTables(b.doc.root(), b.reports);
    return b;
}

std::vector<std::uint16_t> Words(const AceInfoRecord& r) { return {r.words(), r.words() + r.wordCount()}; }

}  // namespace

// ---- Type names ------------------------------------------------------------------------

TEST(DefinitionTypeCodes, EveryActionParameterName) {
    struct Row {
        const char* name;
        std::uint16_t code;
        bool isFloat;
    };
    const Row rows[] = {
        {"Text", 45, false},         {"String", 45, false},        {"Filename", 40, false},
        {"File", 40, false},         {"Float", 22, true},          {"Integer", 22, false},
        {"Unsigned Integer", 22, false}, {"Object", 1, false},     {"Time", 2, false},
        {"Position", 8, false},      {"Create", 9, false},         {"SysCreate", 20, false},
        {"Animation", 10, false},    {"Nop", 11, false},           {"Player", 12, false},
        {"Every", 13, false},        {"Key", 14, false},           {"Speed", 15, false},
        {"JoyDirection", 17, false}, {"Shoot", 18, false},         {"Zone", 19, false},
        {"Comparison", 23, false},   {"StringComparison", 46, false}, {"Color", 24, false},
        {"Colour", 24, false},       {"Frame", 26, false},         {"SampleLoop", 27, false},
        {"MusicLoop", 28, false},    {"NewDirection", 29, false},  {"TextNumber", 30, false},
        {"Click", 31, false},        {"Program", 33, false},
    };
    for (const Row& row : rows) {
        for (const std::string& name : {std::string(row.name), Upper(row.name), Lower(row.name)}) {
            const ParamType t = ActionParamType(name);
            EXPECT_TRUE(t.known) << name;
            EXPECT_EQ(t.code, row.code) << name;
            EXPECT_EQ(t.isFloat, row.isFloat) << name;
        }
    }
}

TEST(DefinitionTypeCodes, UnknownActionParameterNames) {
    for (const std::string& name : {""s, "Txt"s, "Text "s, " Text"s, "Texts"s, "Float\0"s, "Int"s,
                                    "UnsignedInteger"s, "Unsigned  Integer"s, "Double"s, "Bool"s,
                                    "T\xC3\xA9xt"s}) {
        const ParamType t = ActionParamType(name);
        EXPECT_FALSE(t.known) << name;
        EXPECT_EQ(t.code, 0) << name;
        EXPECT_FALSE(t.isFloat) << name;
    }
}

TEST(DefinitionTypeCodes, CustomForms) {
    EXPECT_EQ(ActionParamType("Custom12").code, 1012);
    EXPECT_TRUE(ActionParamType("Custom12").known);
    EXPECT_EQ(ActionParamType("custom12").code, 1012);
    EXPECT_EQ(ActionParamType("CUSTOM12").code, 1012);
    EXPECT_EQ(ActionParamType("cUsToM12").code, 1012);
    EXPECT_EQ(ActionParamType("Custom0").code, 1000);
    EXPECT_EQ(ActionParamType("Custom012").code, 1012);
    EXPECT_EQ(ActionParamType("Custom64535").code, 65535);
    EXPECT_EQ(ActionParamType("Custom0000000000000000000064535").code, 65535);
    EXPECT_FALSE(ActionParamType("Custom12").isFloat);
    for (const std::string& name : {"Custom"s, "custom"s, "Custom64536"s, "Custom99999999999999999999999"s,
                                    "Custom-1"s, "Custom+1"s, "Custom 12"s, "Custom12 "s, "Custom1x"s,
                                    "Custom0x10"s, "Custom1.5"s, "Custom\0"s "12"s, "Custom12\0"s, "Customs12"s,
                                    "12"s}) {
        const ParamType t = ActionParamType(name);
        EXPECT_FALSE(t.known) << name;
        EXPECT_EQ(t.code, 0) << name;
    }
    // Custom is not an expression parameter type.
    EXPECT_FALSE(ExpressionParamType("Custom12").known);
}

TEST(DefinitionTypeCodes, ExpressionParameters) {
    struct Row {
        const char* name;
        std::uint16_t code;
        bool isFloat;
    };
    const Row rows[] = {{"Text", 3, false}, {"String", 3, false}, {"Float", 1, true},
                        {"Integer", 1, false}, {"Unsigned Integer", 1, false}};
    for (const Row& row : rows) {
        for (const std::string& name : {std::string(row.name), Upper(row.name), Lower(row.name)}) {
            const ParamType t = ExpressionParamType(name);
            EXPECT_TRUE(t.known) << name;
            EXPECT_EQ(t.code, row.code) << name;
            EXPECT_EQ(t.isFloat, row.isFloat) << name;
        }
    }
    for (const char* name : {"", "File", "Object", "Short", "Colour", "Texts"}) {
        const ParamType t = ExpressionParamType(name);
        EXPECT_FALSE(t.known) << name;
        EXPECT_EQ(t.code, 0) << name;
        EXPECT_FALSE(t.isFloat) << name;
    }
}

TEST(DefinitionTypeCodes, ExpressionReturns) {
    struct Row {
        const char* name;
        std::uint16_t code;
    };
    const Row rows[] = {{"Integer", 0}, {"Short", 0}, {"Unsigned Integer", 0},
                        {"Text", 1},    {"String", 1}, {"Float", 2}};
    for (const Row& row : rows) {
        for (const std::string& name : {std::string(row.name), Upper(row.name), Lower(row.name)}) {
            const ReturnType t = ExpressionReturnType(name);
            EXPECT_TRUE(t.known) << name;
            EXPECT_EQ(t.code, row.code) << name;
        }
    }
    for (const char* name : {"", "Double", "Bool", "Floats", "Custom1"}) {
        const ReturnType t = ExpressionReturnType(name);
        EXPECT_FALSE(t.known) << name;
        EXPECT_EQ(t.code, 0) << name;
    }
}

// ---- ACEInfo records -------------------------------------------------------------------

TEST(DefinitionAceTables, ActionRecordWords) {
    Built b = BuildFrom(R"({"Actions": [
        {"Title": "a", "Parameters": [["Float", "X"], ["Integer", "n"]]},
        {"Title": "b", "Parameters": [["Text", "t"], ["Float", "f"], ["Custom12", "c"], ["Float", "g"]]}
    ]})");
    EXPECT_TRUE(b.reports.empty());
    ASSERT_EQ(b.tables.numActions, 2u);
    ASSERT_EQ(b.tables.actions.size(), 2u);
    const AceInfoRecord& a = b.tables.actions[0];
    EXPECT_EQ(Words(a), (std::vector<std::uint16_t>{0x0001, 0, 0, 2, 22, 22, 0, 0}));
    EXPECT_EQ(a.byteCount(), 16u);
    EXPECT_EQ(a.floatFlags(), 1);
    EXPECT_EQ(a.id(), 0);
    EXPECT_EQ(a.flags(), 0);
    EXPECT_EQ(a.numParams(), 2);
    EXPECT_EQ(a.paramCode(0), 22);
    EXPECT_EQ(a.paramCode(1), 22);
    EXPECT_EQ(a.paramCode(2), 0);
    EXPECT_EQ(a.paramCode(-1), 0);
    EXPECT_TRUE(a.paramIsFloat(0));
    EXPECT_FALSE(a.paramIsFloat(1));
    EXPECT_EQ(Words(b.tables.actions[1]),
              (std::vector<std::uint16_t>{0x000A, 1, 0, 4, 45, 22, 1012, 22, 0, 0, 0, 0}));
    EXPECT_EQ(b.tables.numConditions, 0u);
    EXPECT_EQ(b.tables.numExpressions, 0u);
}

TEST(DefinitionAceTables, SixteenParametersFitAndSetEveryFloatBit) {
    std::string params;
    for (int i = 0; i < 16; ++i) params += std::string(i ? "," : "") + "[\"Float\", \"p\"]";
    Built b = BuildFrom("{\"Actions\": [{\"Parameters\": [" + params + "]}]}");
    EXPECT_TRUE(b.reports.empty());
    ASSERT_EQ(b.tables.actions.size(), 1u);
    EXPECT_EQ(b.tables.actions[0].floatFlags(), 0xFFFF);
    EXPECT_EQ(b.tables.actions[0].numParams(), 16);
    EXPECT_EQ(b.tables.actions[0].wordCount(), 4u + 32u);
}

TEST(DefinitionAceTables, ConditionsTriggeredOrNot) {
    Built b = BuildFrom(R"({"Conditions": [
        {"Title": "plain"},
        {"Title": "triggered", "Triggered": true},
        {"Triggered": false},
        {"Triggered": "true"},
        {"Triggered": 1},
        {"Parameters": [["Comparison", "c"], ["Object", "o"], ["Float", "f"]], "Triggered": true}
    ]})");
    EXPECT_TRUE(b.reports.empty());
    ASSERT_EQ(b.tables.conditions.size(), 6u);
    EXPECT_EQ(Words(b.tables.conditions[0]), (std::vector<std::uint16_t>{0, 0, 0x220, 0}));
    EXPECT_EQ(Words(b.tables.conditions[1]), (std::vector<std::uint16_t>{0, 1, 0, 0}));
    EXPECT_EQ(b.tables.conditions[2].flags(), 0x220);
    EXPECT_EQ(b.tables.conditions[3].flags(), 0x220);
    EXPECT_EQ(b.tables.conditions[4].flags(), 0x220);
    EXPECT_EQ(Words(b.tables.conditions[5]), (std::vector<std::uint16_t>{0x4, 5, 0, 3, 23, 1, 22, 0, 0, 0}));
}

TEST(DefinitionAceTables, OneEmptyCondition) {
    Built b = BuildFrom(R"({"Conditions": [ {} ]})");
    EXPECT_TRUE(b.reports.empty());
    EXPECT_EQ(b.tables.numConditions, 1u);
    ASSERT_EQ(b.tables.conditions.size(), 1u);
    EXPECT_EQ(Words(b.tables.conditions[0]), (std::vector<std::uint16_t>{0, 0, 0x220, 0}));
    EXPECT_EQ(b.tables.conditions[0].byteCount(), 8u);
}

TEST(DefinitionAceTables, ExpressionParamsAndReturns) {
    Built b = BuildFrom(R"({"Expressions": [
        {"Title": "A(", "Returns": "Float", "Parameters": [["Text", "name"], ["Float", "v"], ["Integer", "i"]]},
        {"Title": "B(", "Returns": "Text"},
        {"Title": "C(", "Returns": "Integer"},
        {"Title": "D(", "Returns": "string", "Parameters": [["Unsigned Integer", "u"], ["String", "s"]]}
    ]})");
    EXPECT_TRUE(b.reports.empty());
    ASSERT_EQ(b.tables.expressions.size(), 4u);
    EXPECT_EQ(Words(b.tables.expressions[0]), (std::vector<std::uint16_t>{0x2, 0, 2, 3, 3, 1, 1, 0, 0, 0}));
    EXPECT_EQ(Words(b.tables.expressions[1]), (std::vector<std::uint16_t>{0, 1, 1, 0}));
    EXPECT_EQ(Words(b.tables.expressions[2]), (std::vector<std::uint16_t>{0, 2, 0, 0}));
    EXPECT_EQ(Words(b.tables.expressions[3]), (std::vector<std::uint16_t>{0, 3, 1, 2, 1, 3, 0, 0}));
}

TEST(DefinitionAceTables, MissingOrUnknownReturnsIsReportedAndInteger) {
    Built b = BuildFrom(R"({"Expressions": [ {"Title": "A("}, {"Returns": "Double"}, {"Returns": 2} ]})");
    ASSERT_EQ(b.reports.size(), 3u);
    EXPECT_EQ(b.reports[0].title, "Vantor ExpReturnType error");
    EXPECT_EQ(b.reports[0].text,
              "Error reading expression return type \"\", couldn't match it to a ExpReturnType value.");
    EXPECT_EQ(b.reports[1].text,
              "Error reading expression return type \"Double\", couldn't match it to a ExpReturnType value.");
    EXPECT_EQ(b.reports[2].text,
              "Error reading expression return type \"\", couldn't match it to a ExpReturnType value.");
    for (const AceInfoRecord& r : b.tables.expressions) EXPECT_EQ(r.flags(), 0);
}

TEST(DefinitionAceTables, UnknownParameterTypesAreReportedAsZero) {
    Built b = BuildFrom(R"({
        "Actions": [ {"Parameters": [["Texte", "x"], "Text", [], [1, "n"], ["Float", "ok"], [["Text"]]]} ],
        "Conditions": [ {"Parameters": [["Nope", "x"]]} ],
        "Expressions": [ {"Returns": "Integer", "Parameters": [["File", "x"], ["Float", "f"]]} ]
    })");
    ASSERT_EQ(b.reports.size(), 7u);
    const Report expected[] = {
        {"Vantor Params error", "Error reading parameter type \"Texte\", couldn't match it to a Params value."},
        {"Vantor Params error", "Error reading parameter type \"\", couldn't match it to a Params value."},
        {"Vantor Params error", "Error reading parameter type \"\", couldn't match it to a Params value."},
        {"Vantor Params error", "Error reading parameter type \"\", couldn't match it to a Params value."},
        {"Vantor Params error", "Error reading parameter type \"\", couldn't match it to a Params value."},
        {"Vantor Params error", "Error reading parameter type \"Nope\", couldn't match it to a Params value."},
        {"Vantor ExpParams error",
         "Error reading expression parameter type \"File\", couldn't match it to a ExpParams value."},
    };
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(b.reports[i].title, expected[i].title) << i;
        EXPECT_EQ(b.reports[i].text, expected[i].text) << i;
    }
    EXPECT_EQ(Words(b.tables.actions[0]),
              (std::vector<std::uint16_t>{0x10, 0, 0, 6, 0, 0, 0, 0, 22, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Words(b.tables.conditions[0]), (std::vector<std::uint16_t>{0, 0, 0x220, 1, 0, 0}));
    EXPECT_EQ(Words(b.tables.expressions[0]), (std::vector<std::uint16_t>{0x2, 0, 0, 2, 0, 1, 0, 0}));
}

TEST(DefinitionAceTables, TypeNameInReportShowsNulsAndIsBounded) {
    Built b = BuildFrom("{\"Actions\": [{\"Parameters\": [[\"Fl\\u0000oat\", \"x\"], [\"" + std::string(300, 'x') +
                        "\", \"y\"]]}]}");
    ASSERT_EQ(b.reports.size(), 2u);
    EXPECT_EQ(b.reports[0].text, "Error reading parameter type \"Fl\\0oat\", couldn't match it to a Params value.");
    EXPECT_EQ(b.reports[1].text, "Error reading parameter type \"" + std::string(200, 'x') +
                                     "...\", couldn't match it to a Params value.");
}

TEST(DefinitionAceTables, EntriesNotObjectsKeepTheTablesAligned) {
    Built b = BuildFrom(R"({
        "Actions": [ 1, {"Parameters": [["Float", "x"]]}, "x", [], null, {} ],
        "Conditions": [ [], {"Triggered": true} ],
        "Expressions": [ "e", {"Returns": "Text"} ]
    })");
    ASSERT_EQ(b.reports.size(), 6u);
    for (std::size_t i : {0u, 2u, 3u, 4u}) {
        const std::size_t r = i == 0 ? 0 : i - 1;
        EXPECT_EQ(b.reports[r].title, "Error reading action JSON");
        EXPECT_EQ(b.reports[r].text,
                  "Invalid JSON reference for action ID " + std::to_string(i) + ", expected object.");
    }
    EXPECT_EQ(b.reports[4].title, "Error reading condition JSON");
    EXPECT_EQ(b.reports[4].text, "Invalid JSON reference for condition ID 0, expected a JSON object.");
    EXPECT_EQ(b.reports[5].title, "Error reading expression JSON");
    EXPECT_EQ(b.reports[5].text, "Invalid JSON reference for expression ID 0, expected a JSON object.");

    ASSERT_EQ(b.tables.numActions, 6u);
    ASSERT_EQ(b.tables.actions.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(b.tables.actions[i].id(), static_cast<std::int16_t>(i));
    EXPECT_EQ(Words(b.tables.actions[0]), (std::vector<std::uint16_t>{0, 0, 0, 0}));
    EXPECT_EQ(Words(b.tables.actions[1]), (std::vector<std::uint16_t>{1, 1, 0, 1, 22, 0}));
    EXPECT_EQ(Words(b.tables.actions[5]), (std::vector<std::uint16_t>{0, 5, 0, 0}));
    ASSERT_EQ(b.tables.conditions.size(), 2u);
    EXPECT_EQ(Words(b.tables.conditions[0]), (std::vector<std::uint16_t>{0, 0, 0x220, 0}));
    EXPECT_EQ(Words(b.tables.conditions[1]), (std::vector<std::uint16_t>{0, 1, 0, 0}));
    ASSERT_EQ(b.tables.expressions.size(), 2u);
    EXPECT_EQ(Words(b.tables.expressions[0]), (std::vector<std::uint16_t>{0, 0, 0, 0}));
    EXPECT_EQ(Words(b.tables.expressions[1]), (std::vector<std::uint16_t>{0, 1, 1, 0}));
}

TEST(DefinitionAceTables, MoreThanSixteenParameters) {
    std::string params;
    for (int i = 0; i < 17; ++i) params += std::string(i ? "," : "") + "[\"Bad\", \"p\"]";
    Built b = BuildFrom("{\"Actions\": [{\"Parameters\": [" + params + "]}, {}],"
                        " \"Conditions\": [{\"Triggered\": true, \"Parameters\": [" + params + "]}],"
                        " \"Expressions\": [{\"Returns\": \"Nope\", \"Parameters\": [" + params + "]}]}");
    // Only the count is reported: no type or return-type reports for those entries.
    ASSERT_EQ(b.reports.size(), 3u);
    EXPECT_EQ(b.reports[0].title, "Error reading action JSON");
    EXPECT_EQ(b.reports[0].text, "Too many parameters in action ID 0.");
    EXPECT_EQ(b.reports[1].title, "Error reading condition JSON");
    EXPECT_EQ(b.reports[1].text, "Too many parameters in condition ID 0.");
    EXPECT_EQ(b.reports[2].title, "Error reading expression JSON");
    EXPECT_EQ(b.reports[2].text, "Too many JSON parameters in expression ID 0.");
    ASSERT_EQ(b.tables.actions.size(), 2u);
    EXPECT_EQ(Words(b.tables.actions[0]), (std::vector<std::uint16_t>{0, 0, 0, 0}));
    EXPECT_EQ(b.tables.actions[1].id(), 1);
    // The empty record has the kind's default flags, not the entry's.
    EXPECT_EQ(Words(b.tables.conditions[0]), (std::vector<std::uint16_t>{0, 0, 0x220, 0}));
    EXPECT_EQ(Words(b.tables.expressions[0]), (std::vector<std::uint16_t>{0, 0, 0, 0}));
}

TEST(DefinitionAceTables, NonArrayParametersMeanNone) {
    Built b = BuildFrom(R"({"Actions": [ {"Parameters": {"a": ["Text", "x"]}}, {"Parameters": "Text"} ]})");
    EXPECT_TRUE(b.reports.empty());
    EXPECT_EQ(b.tables.actions[0].numParams(), 0);
    EXPECT_EQ(b.tables.actions[1].numParams(), 0);
}

TEST(DefinitionAceTables, MissingOrNonArrayTablesAndNonObjectLanguage) {
    Built b = BuildFrom(R"({"Actions": {}, "Conditions": "x"})");
    EXPECT_TRUE(b.reports.empty());
    EXPECT_EQ(b.tables.numActions + b.tables.numConditions + b.tables.numExpressions, 0u);
    Reports reports;
    AceTables none = BuildAceTables(JsonNone(), reports);
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(none.actions.empty());
}

TEST(DefinitionAceTables, ReportsAreCapped) {
    std::string entries;
    for (int i = 0; i < 100; ++i) entries += std::string(i ? "," : "") + "0";
    Built b = BuildFrom("{\"Actions\": [" + entries + "]}");
    ASSERT_EQ(b.reports.size(), kMaxAceReports + 1);
    EXPECT_EQ(b.reports[kMaxAceReports - 1].text, "Invalid JSON reference for action ID 31, expected object.");
    EXPECT_EQ(b.reports.back().title, "Vantor error");
    EXPECT_EQ(b.reports.back().text,
              "68 more problems in the actions, conditions and expressions were not shown.");
    EXPECT_EQ(b.tables.actions.size(), 100u);
    EXPECT_EQ(b.tables.actions[99].id(), 99);
}

TEST(DefinitionAceTables, HugeArraysAreCut) {
    std::string entries = "{}";
    entries.reserve(3 * 40000);
    for (int i = 1; i < 40000; ++i) entries += ",{}";
    Built b = BuildFrom("{\"Expressions\": [" + entries + "]}");
    // One report for the count (each expression also lacks "Returns": capped).
    ASSERT_FALSE(b.reports.empty());
    EXPECT_EQ(b.reports[0].title, "Error reading expression JSON");
    EXPECT_EQ(b.reports[0].text, "Too many expressions (40000); only the first 32767 are used.");
    EXPECT_EQ(b.reports.size(), kMaxAceReports + 1);
    EXPECT_EQ(b.tables.numExpressions, kMaxAceEntries);
    ASSERT_EQ(b.tables.expressions.size(), kMaxAceEntries);
    EXPECT_EQ(b.tables.expressions.back().id(), 32766);
}

TEST(DefinitionAceTables, BuildOneEntry) {
    JsonDocument doc = JsonDocument::Parse(R"({"e": {"Returns": "Float", "Parameters": [["Float", "x"]]}})");
    Reports reports;
    std::optional<AceInfoRecord> r = BuildAceInfo(AceKind::Expression, Member(doc.root(), "e"), 7, reports);
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(Words(*r), (std::vector<std::uint16_t>{1, 7, 2, 1, 1, 0}));
    EXPECT_FALSE(BuildAceInfo(AceKind::Action, JsonNone(), 3, reports).has_value());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "Invalid JSON reference for action ID 3, expected object.");
    EXPECT_EQ(Words(AceInfoRecord::Empty(AceKind::Condition, 4)), (std::vector<std::uint16_t>{0, 4, 0x220, 0}));
    EXPECT_EQ(Words(AceInfoRecord()), (std::vector<std::uint16_t>{0, 0, 0, 0}));
}

// ---- The two product definitions -------------------------------------------------------

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void CheckProductDefinition(const char* relativePath, const char* identifier, std::size_t actions,
                            std::size_t conditions, std::size_t expressions) {
    const std::string bytes = ReadFile(std::string(VANTOR_SOURCE_DIR) + "/" + relativePath);
    ASSERT_FALSE(bytes.empty()) << relativePath;
    JsonDocument doc = JsonDocument::Parse(bytes);
    ASSERT_TRUE(doc.ok()) << relativePath << ": " << doc.error();
    EXPECT_EQ(Text(Member(doc.root(), "Identifier")), identifier);
    const int language = DefaultLanguageMember(doc.root());
    ASSERT_GE(language, 0);
    EXPECT_EQ(MemberName(doc.root(), language), "UK English");
    EXPECT_EQ(ChooseLanguageMember(doc.root(), "uk english"), language);
    const json_value& block = MemberValue(doc.root(), language);
    Reports reports;
    AceTables tables = BuildAceTables(block, reports);
    for (const Report& r : reports) ADD_FAILURE() << relativePath << ": " << r.title << ": " << r.text;
    EXPECT_EQ(tables.numActions, actions);
    EXPECT_EQ(tables.numConditions, conditions);
    EXPECT_EQ(tables.numExpressions, expressions);
    EXPECT_EQ(tables.actions.size(), actions);
    EXPECT_EQ(tables.conditions.size(), conditions);
    EXPECT_EQ(tables.expressions.size(), expressions);
    for (std::size_t i = 0; i < tables.actions.size(); ++i) EXPECT_EQ(tables.actions[i].id(), (std::int16_t)i);
    // Every menu command names an entry of its table.
    struct Menu {
        const char* key;
        std::int32_t base;
        std::size_t count;
    };
    for (const Menu& m : {Menu{"ActionMenu", kActionMenuBase, actions},
                          Menu{"ConditionMenu", kConditionMenuBase, conditions},
                          Menu{"ExpressionMenu", kExpressionMenuBase, expressions}}) {
        EXPECT_TRUE(IsArray(Member(block, m.key))) << m.key;
        std::vector<const MenuEntry*> stack;
        const std::vector<MenuEntry> menu = BuildMenuModel(Member(block, m.key), m.base);
        for (const MenuEntry& e : menu) stack.push_back(&e);
        while (!stack.empty()) {
            const MenuEntry* e = stack.back();
            stack.pop_back();
            if (e->kind == MenuEntry::Kind::Command) {
                EXPECT_GE(e->command, m.base) << m.key << " " << e->text;
                EXPECT_LT(e->command, m.base + static_cast<std::int32_t>(m.count)) << m.key << " " << e->text;
                EXPECT_FALSE(e->text.empty()) << m.key;
            }
            for (const MenuEntry& c : e->children) stack.push_back(&c);
        }
    }
}

}  // namespace

TEST(DefinitionProducts, TonvaleBuildsWithoutReports) {
    CheckProductDefinition("studio/Tonvale.json", "FMOD", 9, 1, 3);
}

TEST(DefinitionProducts, VelisseBuildsWithoutReports) {
    CheckProductDefinition("eventinstance/Velisse.json", "FMDE", 9, 1, 3);
}
