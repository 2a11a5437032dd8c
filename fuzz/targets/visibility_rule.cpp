// Every property's "ShowIf" and "EnableIf" rule evaluated over a stored block, both of any
// bytes: a rule reduces to true or false, or is refused with a box.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/common/FuzzInput.h"
#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/VisibilityRule.h"

using namespace Vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const VantorFuzz::DefinitionAndBlock input = VantorFuzz::Split(data, size);
    const JsonDocument document = JsonDocument::Parse(input.definition);
    const json_value& language = VantorFuzz::LanguageBlock(document.root());
    const PropertyDefinition definition{Member(language, "Properties"), "English"};

    const EditDataView view(input.block.data(), input.block.size());
    const Result<PropertiesView> props = view.PropertiesAt(view.LocateProperties().offset);
    if (!props.ok())
        return 0;
    const std::size_t count = ElementCount(definition.properties);
    for (std::size_t index = 0; index <= count; ++index) {
        for (std::string_view key : {kShowIf, kEnableIf}) {
            std::vector<Problem> boxes;
            const RuleResult result = EvaluateRule(props.value(), definition, index, key, boxes);
            FUZZ_CHECK(result == kRuleMalformed || result == kRuleFalse || result == kRuleTrue);
            if (!HasRule(definition, index, key))
                FUZZ_CHECK(result == kRuleTrue && boxes.empty());
        }
    }
    return 0;
}
