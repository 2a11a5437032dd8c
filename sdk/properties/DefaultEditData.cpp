#include "sdk/properties/DefaultEditData.h"

#include "sdk/definition/Json.h"
#include "sdk/properties/ConverterBoxes.h"
#include "sdk/properties/EditDataAssembler.h"
#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/EditDataSize.h"
#include "sdk/properties/JsonDefaultReader.h"
#include "sdk/properties/LayoutHash.h"
#include "sdk/properties/PropertyTypes.h"
#include "sdk/properties/ResetList.h"

namespace Vantor {
namespace {

Problem TitleTooLongBox(std::size_t jsonIndex, std::string_view title)
{
    return Problem::Error("Property error",
        "Property " + std::to_string(jsonIndex) + " has a title of " + std::to_string(title.size())
            + " bytes, but at most " + std::to_string(kLongestTitle) + " bytes of a title can be stored: \""
            + std::string(title) + "\".");
}

Problem TooBigBox(std::size_t total)
{
    return Problem::Error("Properties too big",
        "New EDITDATA was too big to store all the initial properties; needed " + std::to_string(total) + " bytes, but "
            + std::to_string(kEditDataSizeLimit) + " is the maximum possible.");
}

// One record per property, in JSON order. False when any property got none, after every
// property the reader could still be asked about has had its boxes.
bool AddRecords(const DefaultEditDataRequest& request, const JsonDefaultReader& reader, EditDataAssembler& assembler,
    ResetList& resets, std::vector<Problem>& boxes)
{
    bool complete = true;
    for (std::size_t i = 0; i < ElementCount(request.properties); ++i) {
        const json_value& property = Element(request.properties, i);
        const std::string_view title = Text(Member(property, "Title"));
        const ReaderReply reply = reader.GetProperty(i, boxes);
        if (reply.status == ReaderStatus::Ok) {
            const std::string_view name = IsTitleless(Text(Member(property, "Type"))) ? std::string_view() : title;
            if (!assembler.AddRecord(reply.typeId, static_cast<std::uint16_t>(i), name, reply.value)) {
                boxes.push_back(TitleTooLongBox(i, name));
                complete = false;
            } else if (reply.isDefault) {
                resets.Add(i, title);
            }
            continue;
        }
        if (reply.status == ReaderStatus::Failure)
            boxes.push_back(ReaderFailureBox(JsonDefaultReader::kName, reply.failure));
        if (!request.quiet)
            boxes.push_back(NoValueBox(i, title));
        complete = false;
        if (reply.status == ReaderStatus::Unsuitable)
            break;  // no reader is left for the properties after this one
    }
    return complete;
}

void SetCheckboxes(const DefaultEditDataRequest& request, const JsonDefaultReader& reader, EditDataAssembler& assembler,
    ResetList& resets, std::vector<Problem>& boxes)
{
    for (std::size_t i = 0; i < ElementCount(request.properties); ++i) {
        const ReaderReply reply = reader.GetPropertyCheckbox(i);
        if (reply.status == ReaderStatus::Failure) {
            boxes.push_back(CheckboxFailureBox());  // no other reader: the bit stays 0
        } else if (reply.status == ReaderStatus::Ok) {
            // One record per property, so the record position is the JSON index.
            assembler.SetChecked(i, reply.checkbox == 1);
            if (reply.isDefault)
                resets.Add(i, Text(Member(Element(request.properties, i), "Title")));
        }
    }
}

}  // namespace

DefaultEditData BuildDefaultEditData(const DefaultEditDataRequest& request)
{
    DefaultEditData result;
    const JsonDefaultReader reader(request.properties, request.sets, request.languageName);
    if (reader.Initialise(result.boxes) != ReaderStatus::Ok) {
        result.boxes.push_back(NoReadersBox(request.projectName, request.quiet));
        return result;
    }

    EditDataAssembler assembler;
    ResetList resets;
    if (!AddRecords(request, reader, assembler, resets, result.boxes))
        return result;
    SetCheckboxes(request, reader, assembler, resets, result.boxes);
    result.resetList = resets.Text();
    result.resetCount = resets.Count();

    if (assembler.TotalSize() >= kEditDataSizeLimit) {
        result.boxes.push_back(TooBigBox(assembler.TotalSize()));
        return result;
    }
    result.block = assembler.Finish(LayoutHashesOf(request.properties), request.extId, request.oldExtMaxSize);
    return result;
}

}  // namespace Vantor
