// Reading "PropertySets": a good set's indices, and each way a declaration is refused.
#include <gtest/gtest.h>

#include <string>

#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/PropertySetDeclarations.h"

using namespace Vantor;

namespace {

constexpr const char* kProperties = R"("Properties": [
    {"Type": "Combo Box", "Title": "List"},
    {"Type": "Edit button", "Title": "Add"},
    {"Type": "Edit button", "Title": "Delete"},
    {"Type": "Editbox String", "Title": "Name"},
    {"Type": "Editbox Number", "Title": "Value"},
    {"Type": "Combo Box", "Title": "List 2"},
    {"Type": "Edit button", "Title": "Add 2"},
    {"Type": "Edit button", "Title": "Delete 2"},
    {"Type": "Editbox String", "Title": "Name 2"},
    {"Type": "Editbox Number", "Title": "Value 2"}
])";

std::string Set(const std::string& name, const std::string& add = "Add", const std::string& del = "Delete",
    const std::string& list = "List", const std::string& entry = "Name", const std::string& start = "Name",
    const std::string& end = "Value")
{
    return R"({"SetName": ")" + name + R"(", "AddButton": ")" + add + R"(", "DeleteButton": ")" + del
        + R"(", "EntryList": ")" + list + R"(", "EntryName": ")" + entry + R"(", "StartItem": ")" + start
        + R"(", "EndItem": ")" + end + R"("})";
}

PropertySetDeclarations Read(const std::string& sets)
{
    const JsonDocument document = JsonDocument::Parse("{" + std::string(kProperties) + R"(, "PropertySets": [)" + sets + "]}");
    return ReadPropertySets(document.root());
}

std::string OnlyBox(const PropertySetDeclarations& read)
{
    EXPECT_EQ(read.boxes.size(), 1u);
    return read.boxes.empty() ? std::string() : read.boxes[0].title + ": " + read.boxes[0].text;
}

TEST(PropertySetDeclaration, AGoodSetGetsItsIndices)
{
    const PropertySetDeclarations read = Read(Set("Sounds") + "," + Set("Other", "Add 2", "Delete 2", "list 2", "NAME 2", "Name 2", "Value 2"));
    ASSERT_TRUE(read.boxes.empty()) << read.boxes[0].text;
    ASSERT_EQ(read.sets.size(), 2u);
    const PropSet& set = read.sets[0];
    EXPECT_EQ(set.name, "Sounds");
    EXPECT_EQ(set.nameList, 0);
    EXPECT_EQ(set.addButton, 1);
    EXPECT_EQ(set.deleteButton, 2);
    EXPECT_EQ(set.nameEditbox, 3);
    EXPECT_EQ(set.firstProp, 3);
    EXPECT_EQ(set.lastProp, 4);
    EXPECT_EQ(read.sets[1].nameList, 5);
    EXPECT_EQ(SetWithDeleteButton(read.sets, 7), &read.sets[1]);
    EXPECT_EQ(SetWithAddButton(read.sets, 4), nullptr);
    const EntryListSetNames lists = EntryListsOf(read.sets);
    EXPECT_EQ(lists[1].entryList, 5u);
    EXPECT_EQ(lists[1].entryName, 8);
}

TEST(PropertySetDeclaration, RefusedDeclarationsSayWhy)
{
    EXPECT_EQ(OnlyBox(Read(Set(""))), "Property set error: Property set name \"\" is invalid.");
    EXPECT_EQ(OnlyBox(Read(Set("A") + "," + Set("a", "Add 2", "Delete 2", "List 2", "Name 2", "Name 2", "Value 2"))),
        "Property set error: Property set name \"a\" is invalid.");
    EXPECT_EQ(OnlyBox(Read(R"({"SetName": "A", "AddButton": 3})")),
        "Property set error: Missing property set item AddButton in property set name A.");
    EXPECT_EQ(OnlyBox(Read(Set("A", "Add", "Remove"))),
        "Property set error: Property set \"A\" requests item name \"Remove\", which was not found.");
    EXPECT_EQ(OnlyBox(Read(Set("A", "Add", "Delete", "List", "Name", "Value", "Value"))),
        "JSON property error: Set A's SetName action property \"Name\" is not within the set range, which is not allowed.");
    EXPECT_EQ(OnlyBox(Read(Set("A", "Name", "Delete"))),
        "JSON property error: Set A's AddButton action property \"Name\" is within the set range, which is not allowed.");
    EXPECT_EQ(OnlyBox(Read(Set("A", "List 2"))),
        "JSON property error: Set A's AddButton action property uses the wrong property type \"Combo Box\".");
    EXPECT_EQ(OnlyBox(Read(Set("A", "Add", "Add"))).substr(0, 79),
        "JSON property error: Set A has expected-independent actions are combined on the");
    EXPECT_EQ(OnlyBox(Read(Set("A", "Add", "Delete", "List", "Name", "Value", "Name"))),
        "JSON property error: Set A has an end index before its start index.");
    EXPECT_EQ(OnlyBox(Read(Set("A", "Add", "Delete", "List 2", "Name", "Name", "Value"))),
        "JSON property error: Set A's EntryList property \"List 2\" comes after the set range; it must come before its StartItem.");
}

TEST(PropertySetDeclaration, ConflictingSetsAreReportedAndLeftOut)
{
    const auto second = [](const std::string& add, const std::string& list, const std::string& start) {
        return Set("B", add, "Delete 2", list, "Name 2", start, "Value 2");
    };
    const JsonDocument overlapping = JsonDocument::Parse(R"({"Properties": [
        {"Type": "Combo Box", "Title": "List"}, {"Type": "Combo Box", "Title": "List 2"},
        {"Type": "Edit button", "Title": "Add"}, {"Type": "Edit button", "Title": "Delete"},
        {"Type": "Edit button", "Title": "Add 2"}, {"Type": "Edit button", "Title": "Delete 2"},
        {"Type": "Editbox String", "Title": "Name"}, {"Type": "Editbox String", "Title": "Value"},
        {"Type": "Editbox String", "Title": "Name 2"}], "PropertySets": [)"
        + Set("A", "Add", "Delete", "List", "Name", "Name", "Value") + ","
        + Set("B", "Add 2", "Delete 2", "List 2", "Name 2", "Value", "Name 2") + "]}");
    PropertySetDeclarations read = ReadPropertySets(overlapping.root());
    EXPECT_EQ(OnlyBox(read), "Property set error: Set \"B\" begins inside set \"A\", but does not end within the set.");
    EXPECT_EQ(read.sets.size(), 1u);
    read = Read(Set("A") + "," + second("Add", "List 2", "Name 2"));
    EXPECT_EQ(OnlyBox(read), "Property set error: Set \"B\" button index overlaps with set \"A\" button indices.");
    EXPECT_EQ(read.sets.size(), 1u);
    read = Read(Set("A") + "," + second("Add 2", "List", "Name 2"));
    EXPECT_EQ(OnlyBox(read),
        "Property set error: Set \"B\" name list property is the same as set \"A\" name list property.");
}

}  // namespace
