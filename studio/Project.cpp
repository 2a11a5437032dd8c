#include "sdk/diagnostics/Project.h"

const wchar_t* const Vantor::kProjectName = L"Vantor Template";
