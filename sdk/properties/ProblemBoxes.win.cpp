#include "sdk/properties/ProblemBoxes.h"

#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Fatal.h"
#include "sdk/text/Utf.h"

namespace Vantor {

void ShowProblem(const Problem& problem)
{
    const std::wstring text = ToUtf16(problem.text);
    switch (problem.kind) {
    case Problem::Kind::Fatal:
        FatalError(L"%s", text.c_str());
    case Problem::Kind::ErrorBox:
        ErrorBox(ToUtf16(problem.title).c_str(), L"%s", text.c_str());
        break;
    case Problem::Kind::WarningBox:
        WarningBox(ToUtf16(problem.title).c_str(), L"%s", text.c_str());
        break;
    }
}

void ShowProblems(const std::vector<Problem>& problems)
{
    for (const Problem& problem : problems)
        ShowProblem(problem);
}

}  // namespace Vantor
