#pragma once

#include "sdk/editor/EditorRectangle.h"
#include "sdk/host/HostRecords.h"

namespace Vantor {

// Draws the icon into the frame editor window at the rectangle's top-left corner. Outside the
// editor, without the window's surface or with a rectangle without area it is a fatal error.
void DrawInEditor(const Host::mV* mV, const EditorRectangle* rectangle);

}  // namespace Vantor
