#include "sdk/properties/EditorBlock.h"

#include <utility>

namespace Vantor {

Problem AsEditorBox(Problem problem, std::string_view title)
{
    if (problem.kind == Problem::Kind::Fatal)
        return Problem::Error(std::string(title), std::move(problem.text));
    return problem;
}

Result<PropertiesView> EditorPropertiesOf(std::span<const std::uint8_t> block, std::string_view title)
{
    const EditDataView edit(block.data(), block.size());
    const HeaderLocation location = edit.LocateProperties();
    if (location.outcome != HeaderLocation::Outcome::Found)
        return Problem::Error(std::string(title), "Vantor smart properties were not created correctly.");
    Result<PropertiesView> view = edit.PropertiesAt(location.offset);
    if (!view.ok())
        return AsEditorBox(std::move(view).problem(), title);
    if (view.value().Layout() != PropertiesLayout::Vnt2)
        return Problem::Error(std::string(title), "Vantor smart properties were not created correctly.");
    return view;
}

}  // namespace Vantor
