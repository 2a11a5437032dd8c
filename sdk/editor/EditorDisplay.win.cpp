#include "sdk/editor/EditorDisplay.h"

#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/Fatal.h"
#include "sdk/editor/EditorIcon.h"
#include "sdk/editor/Surface.h"
#include "sdk/frame/Sdk.h"
#include "sdk/properties/ProblemBoxes.h"

namespace Vantor {

void DrawInEditor(const Host::mV* mV, const EditorRectangle* rectangle)
{
    if (ProcessEnvironment().runContext != RunContext::Editor)
        FatalError(L"Cannot create Surface from editor window, not in editor.\n");
    Host::cSurface* window = mV ? Mmfs2_GetWindowSurface(mV->editorWindow) : nullptr;
    if (!window)
        FatalError(L"Cannot create Surface from main window, unknown error.\n");
    if (!rectangle)
        FatalError(L"The editor gave no rectangle to draw the object in.\n");
    if (const auto problem = RectangleProblem(*rectangle))
        ShowProblem(*problem);

    Surface editor(window, "Editor surface: ");
    Surface* icon = ::SDK && ::SDK->icon ? ::SDK->icon->Picture() : nullptr;
    if (icon)
        icon->DrawAt(editor, rectangle->left, rectangle->top);
}

}  // namespace Vantor
