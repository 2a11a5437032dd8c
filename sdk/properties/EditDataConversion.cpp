#include "sdk/properties/EditDataConversion.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "sdk/definition/Json.h"
#include "sdk/properties/ByteFields.h"
#include "sdk/properties/ConverterBoxes.h"
#include "sdk/properties/EditDataAssembler.h"
#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/JsonDefaultReader.h"
#include "sdk/properties/LayoutHash.h"
#include "sdk/properties/PreSmartReader.h"
#include "sdk/properties/PropertyTypes.h"
#include "sdk/properties/ResetList.h"
#include "sdk/properties/SmartReader.h"

namespace Vantor {
namespace {

// One reader in the chain, as the chain asks it.
struct ChainLink {
    std::string_view name;
    std::function<ReaderReply(std::size_t)> property;
    std::function<ReaderReply(std::size_t)> checkbox;
    bool isDefaults = false;
};

std::string Num(std::size_t value) { return std::to_string(value); }

Conversion Outcome(Conversion conversion, ConversionOutcome outcome)
{
    conversion.outcome = outcome;
    return conversion;
}

// Asks the readers in order; a reader that became unsuitable leaves the chain. No value
// when none answered.
std::optional<ReaderReply> Ask(std::vector<ChainLink>& chain, std::size_t index, bool checkbox,
    std::vector<Problem>& boxes)
{
    for (auto link = chain.begin(); link != chain.end();) {
        ReaderReply reply = checkbox ? link->checkbox(index) : link->property(index);
        if (reply.status == ReaderStatus::Ok) {
            reply.isDefault = reply.isDefault && link->isDefaults;
            return reply;
        }
        if (reply.status == ReaderStatus::Failure)
            boxes.push_back(checkbox ? CheckboxFailureBox() : ReaderFailureBox(link->name, reply.failure));
        if (reply.status == ReaderStatus::Unsuitable)
            link = chain.erase(link);
        else
            ++link;
    }
    return std::nullopt;
}

}  // namespace

Conversion ConvertEditData(const ConversionRequest& request)
{
    Conversion result;
    const EditDataView block(request.oldBlock.data(), request.oldBlock.size());
    const auto header = block.Header();
    if (!header || header->extSize < sizeof(EditDataHeader)) {
        result.boxes.push_back(Problem::Error("Property conversion error",
            "The stored EDITDATA holds " + Num(block.Bytes().size())
                + " bytes, too few for its own header. It was left as it is."));
        return Outcome(std::move(result), ConversionOutcome::Failed);
    }
    if (header->extVersion == kSmartExtVersion)
        return Outcome(std::move(result), ConversionOutcome::KeepBlock);
    result.oldVersion = header->extVersion & ~kSmartPropertiesFlag;
    if (result.oldVersion > (kSmartExtVersion & ~kSmartPropertiesFlag)) {
        result.boxes.push_back(Problem::Warning("Property update warning",
            std::string(request.projectName) + " MFA extension version " + Num(result.oldVersion)
                + " is greater than current " + std::string(request.projectName)
                + " ext version 1. Is the installed extension out of date?"));
        return Outcome(std::move(result), ConversionOutcome::KeepBlock);
    }

    const std::size_t n = ElementCount(request.properties);
    result.propertyCount = n;
    const auto marker = ReadField<std::uint32_t>(block.Bytes(), header->extPrivateData);
    if (header->extPrivateData != 0 && marker == kMarkerVnt2) {
        const auto hash = ReadField<std::uint32_t>(block.Bytes(), header->extPrivateData + offsetof(Properties, hash));
        if (hash == ~LayoutHashesOf(request.properties).titles) {
            if (header->extPrivateData == kPropertiesOffset)
                return Outcome(std::move(result), ConversionOutcome::StampVersion);
            result.boxes.push_back(Problem::Error("EDITDATA upgrade failed",
                "Failed to migrate " + std::string(request.projectName)
                    + " extension data between MFA and current extension version.\nNo MigrateMiddle function. "
                      "Contact "
                    + std::string(request.projectName) + " extension developer."));
            return Outcome(std::move(result), ConversionOutcome::Failed);
        }
    }

    PreSmartReader preSmart(block.Bytes(), request.properties);
    SmartReader smart(block, request.properties);
    const JsonDefaultReader defaults(request.properties, request.sets, request.languageName);
    std::vector<ChainLink> chain;
    if (preSmart.Initialise(result.boxes) == ReaderStatus::Ok)
        chain.push_back({PreSmartReader::kName, [&](std::size_t i) { return preSmart.GetProperty(i); },
            [&](std::size_t i) { return preSmart.GetPropertyCheckbox(i); }});
    if (smart.Initialise(result.boxes) == ReaderStatus::Ok)
        chain.push_back({SmartReader::kName, [&](std::size_t i) { return smart.GetProperty(i); },
            [&](std::size_t i) { return smart.GetPropertyCheckbox(i); }});
    if (defaults.Initialise(result.boxes) == ReaderStatus::Ok)
        chain.push_back({JsonDefaultReader::kName, [&](std::size_t i) { return defaults.GetProperty(i, result.boxes); },
            [&](std::size_t i) { return defaults.GetPropertyCheckbox(i); }, true});
    if (chain.empty()) {
        result.boxes.push_back(NoReadersBox(request.projectName, request.quiet));
        return Outcome(std::move(result), ConversionOutcome::Failed);
    }
    result.fromVnt1 = smart.FromVnt1();

    EditDataAssembler assembler;
    ResetList resets;
    std::vector<std::size_t> waiting;
    for (std::size_t i = 0; i < n; ++i) {
        const json_value& property = Element(request.properties, i);
        const std::string_view typeName = Text(Member(property, "Type"));
        const std::string_view title = Text(Member(property, "Title"));
        const std::optional<ReaderReply> reply = Ask(chain, i, false, result.boxes);
        if (!reply) {
            if (!request.quiet)
                result.boxes.push_back(NoValueBox(i, title));
            return Outcome(std::move(result), ConversionOutcome::Failed);
        }
        if (!assembler.AddRecord(reply->typeId, static_cast<std::uint16_t>(i), IsTitleless(typeName) ? "" : title,
                reply->value)) {
            result.boxes.push_back(Problem::Error("Property conversion error",
                "Property " + Num(i) + " (" + std::string(title) + ") cannot be stored: its title is longer than "
                    + Num(kLongestTitle) + " bytes or its value too large."));
            return Outcome(std::move(result), ConversionOutcome::Failed);
        }
        if (reply->isDefault)
            resets.Add(i, title);
        if (reply->checkbox == -1)
            waiting.push_back(i);
        else
            assembler.SetChecked(i, reply->checkbox == 1);
    }
    for (const std::size_t i : waiting) {
        const std::optional<ReaderReply> reply = Ask(chain, i, true, result.boxes);
        if (!reply || reply->checkbox == -1)
            continue;
        assembler.SetChecked(i, reply->checkbox == 1);
        if (reply->isDefault)
            resets.Add(i, Text(Member(Element(request.properties, i), "Title")));
    }

    result.resetList = resets.Text();
    result.resetCount = resets.Count();
    result.block = assembler.Finish(LayoutHashesOf(request.properties), header->extID, header->extMaxSize);
    return Outcome(std::move(result), ConversionOutcome::NewBlock);
}

}  // namespace Vantor
