// Run-time property access: an Extension reads its stored values by title through the
// property header at offset 20 of its EDITDATA.
#include <cstring>
#include <windows.h>

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Fatal.h"
#include "sdk/frame/Sdk.h"
#include "sdk/properties/ProblemBoxes.h"
#include "sdk/properties/PropertyAccess.h"
#include "sdk/properties/PropertyReads.h"
#include "sdk/text/Utf.h"

namespace Vantor {
namespace {

// The block the header belongs to: Props always sits right behind the host's 20-byte header
// at run time, and the block's own size bounds every read.
EditDataView BlockOf(const Properties& props)
{
    const auto* block = reinterpret_cast<const std::uint8_t*>(&props) - kPropertiesOffset;
    std::uint32_t size = 0;
    std::memcpy(&size, block, sizeof size);
    return EditDataView(block, size);
}

template <class T, class Read>
T ReadProperty(const Properties& props, std::string_view title, T neutral, Read read)
{
    const EditDataView block = BlockOf(props);
    Result<PropertiesView> view = block.PropertiesAt(kPropertiesOffset);
    if (!view.ok()) {
        ShowProblem(view.problem());
        return neutral;
    }
    const std::string languageName = ToUtf8(Ovik::CurrentLanguageName());
    const PropertyDefinition definition{Member(Ovik::CurrentLanguage(), "Properties"), languageName};
    auto result = read(view.value(), definition, title);
    if (!result.ok()) {
        ShowProblem(result.problem());
        return neutral;
    }
    return std::move(result).value();
}

}  // namespace

const Properties& PropertiesOf(const void* edPtr)
{
    if (!edPtr)
        FatalError(L"The host created an object without its EDITDATA.\n");
    return *reinterpret_cast<const Properties*>(static_cast<const std::uint8_t*>(edPtr) + kPropertiesOffset);
}

std::wstring Properties::GetPropertyStr(std::string_view title) const
{
    return ToUtf16(ReadProperty<std::string>(*this, title, std::string(), Vantor::GetPropertyStr));
}

float Properties::GetPropertyNum(std::string_view title) const
{
    return ReadProperty<float>(*this, title, 0.0f, Vantor::GetPropertyNum);
}

bool Properties::IsPropChecked(std::string_view title) const
{
    return ReadProperty<bool>(*this, title, false, Vantor::IsPropChecked);
}

}  // namespace Vantor
