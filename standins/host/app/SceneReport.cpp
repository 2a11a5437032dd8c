#include "standins/host/app/SceneReport.h"

#include <sstream>

#include "FmodStandinControl.h"
#include "sdk/text/Utf.h"
#include "standins/host/Recorder.h"

namespace StandinHost {
namespace {

const wchar_t* StateName(FMOD_STUDIO_PLAYBACK_STATE state)
{
    switch (state) {
    case FMOD_STUDIO_PLAYBACK_PLAYING: return L"PLAYING";
    case FMOD_STUDIO_PLAYBACK_SUSTAINING: return L"SUSTAINING";
    case FMOD_STUDIO_PLAYBACK_STOPPED: return L"STOPPED";
    case FMOD_STUDIO_PLAYBACK_STARTING: return L"STARTING";
    case FMOD_STUDIO_PLAYBACK_STOPPING: return L"STOPPING";
    default: return L"?";
    }
}

std::wstring Parameters(const std::vector<FmodStandin::ParameterInfo>& parameters)
{
    std::wostringstream text;
    for (const auto& parameter : parameters) {
        text << L" " << Vantor::ToUtf16(parameter.name) << L"=" << parameter.value;
        if (parameter.finalValue != parameter.value)
            text << L" (final " << parameter.finalValue << L")";
        const int index = static_cast<int>(parameter.value);
        if (index >= 0 && index < static_cast<int>(parameter.labels.size()))
            text << L" \"" << Vantor::ToUtf16(parameter.labels[index]) << L"\"";
    }
    return text.str();
}

}  // namespace

void ReportStudioTrace(std::wostream& out)
{
    for (const std::string& line : FmodStandin::Trace())
        out << L"  studio: " << Vantor::ToUtf16(line) << L"\n";
    FmodStandin::ClearTrace();
}

void ReportBoxes(std::wostream& out)
{
    for (const BoxRecord& box : Recorder::Instance().TakeBoxes())
        out << L"  box: [" << box.title << L"] " << box.text << L"\n";
    for (const LogRecord& log : Recorder::Instance().TakeLogs()) {
        std::wstring text = log.text;
        while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r'))
            text.pop_back();
        out << L"  log: " << text << L"\n";
    }
}

void ReportInstances(std::wostream& out)
{
    const auto instances = FmodStandin::Instances();
    if (instances.empty())
        out << L"  instances: none\n";
    for (const auto& instance : instances) {
        const FMOD_VECTOR& position = instance.attributes.position;
        out << L"  instance " << instance.serial << L" " << Vantor::ToUtf16(instance.eventPath) << L": "
            << StateName(instance.state) << L" at " << instance.timelinePosition << L" ms"
            << (instance.released ? L", released" : L"") << (instance.isVirtual ? L", virtual" : L"") << L", at ("
            << position.x << L", " << position.y << L", " << position.z << L")" << Parameters(instance.parameters)
            << L"\n";
    }
}

void ReportGlobals(std::wostream& out)
{
    out << L"  globals:" << Parameters(FmodStandin::GlobalParameters()) << L"\n";
}

std::wstring ResultText(const ExpressionResult& result)
{
    std::wostringstream text;
    switch (result.kind) {
    case ResultKind::Text: text << L"\"" << result.text << L"\""; break;
    case ResultKind::Float: text << result.real; break;
    default: text << result.integer; break;
    }
    return text.str();
}

}  // namespace StandinHost
