// A stored EDITDATA block of any bytes, read as the editor and the run time read it: the
// header found, every record listed, every property looked up by title, index and position
// and read as text, number and checkbox. Every record the view hands out must lie inside
// the block.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/common/FuzzInput.h"
#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/PropertyLookup.h"
#include "sdk/properties/PropertyReads.h"

using namespace Vantor;

namespace {

// Indices past the stored ones, so the lookups' range checks are driven too.
constexpr std::size_t kIndicesBeyond = 2;

bool Inside(std::span<const std::uint8_t> block, std::span<const std::uint8_t> part)
{
    return part.empty() || (part.data() >= block.data() && part.data() + part.size() <= block.data() + block.size());
}

void CheckRecord(const PropertiesView& view, const RecordView& record)
{
    FUZZ_CHECK(Inside(view.Bytes(), record.value));
    const auto title = std::span<const std::uint8_t>(
        reinterpret_cast<const std::uint8_t*>(record.title.data()), record.title.size());
    FUZZ_CHECK(Inside(view.Bytes(), title));
    FUZZ_CHECK(record.offset + record.sizeBytes <= view.Bytes().size());
}

void ReadByTitle(const PropertiesView& view, const PropertyDefinition& definition, std::string_view title)
{
    GetPropertyStr(view, definition, title);
    GetPropertyNum(view, definition, title);
    IsPropChecked(view, definition, title);
}

void ReadAll(const PropertiesView& view, const PropertyDefinition& definition)
{
    std::vector<std::string> titles;
    const auto records = view.Records();
    if (records.ok()) {
        FUZZ_CHECK(records.value().size() == view.NumProps());
        for (const RecordView& record : records.value()) {
            CheckRecord(view, record);
            titles.emplace_back(record.title);
        }
    }
    const std::size_t jsonCount = ElementCount(definition.properties);
    for (std::size_t i = 0; i < jsonCount; ++i)
        titles.emplace_back(Text(Member(Element(definition.properties, i), "Title")));
    for (const std::string& title : titles)
        ReadByTitle(view, definition, title);

    const std::size_t last = std::max<std::size_t>(view.NumProps(), jsonCount) + kIndicesBeyond;
    for (std::size_t id = 0; id < last; ++id) {
        view.CheckboxBit(id);
        CheckboxOfJsonIndex(view, id);
        for (bool isJsonIndex : {true, false}) {
            const auto found = DataAt(view, definition, id, isJsonIndex);
            if (found.ok() && found.value())
                CheckRecord(view, *found.value());
            const auto forChange = DataAtForChange(view, definition, id, isJsonIndex);
            if (forChange.ok())
                CheckRecord(view, forChange.value());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const VantorFuzz::DefinitionAndBlock input = VantorFuzz::Split(data, size);
    const JsonDocument document = JsonDocument::Parse(input.definition);
    const json_value& language = VantorFuzz::LanguageBlock(document.root());
    const PropertyDefinition definition{Member(language, "Properties"), "English"};

    const EditDataView view(input.block.data(), input.block.size());
    view.Header();
    const HeaderLocation location = view.LocateProperties();
    const Result<PropertiesView> props = view.PropertiesAt(location.offset);
    if (props.ok()) {
        FUZZ_CHECK(props.value().Offset() == location.offset);
        ReadAll(props.value(), definition);
    }
    return 0;
}
