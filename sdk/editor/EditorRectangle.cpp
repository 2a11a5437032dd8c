#include "sdk/editor/EditorRectangle.h"

#include <algorithm>
#include <string>

namespace Vantor {
namespace {

std::string Shown(const EditorRectangle& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", "
        + std::to_string(r.bottom) + ")";
}

}  // namespace

EditorRectangle Normalised(const EditorRectangle& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

std::optional<Problem> RectangleProblem(const EditorRectangle& rectangle)
{
    if (rectangle.right > rectangle.left && rectangle.bottom > rectangle.top)
        return std::nullopt;
    return Problem::Fatal("Invalid rectangle was found: rect " + Shown(rectangle) + " should have been rect "
                          + Shown(Normalised(rectangle)) + ".\n");
}

}  // namespace Vantor
