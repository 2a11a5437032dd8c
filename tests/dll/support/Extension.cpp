#include "tests/dll/support/Extension.h"

#include <cstring>

#include "standins/host/editor/MenuText.h"

namespace TestSupport {

using Vantor::Host::mV;
using Vantor::Host::RunInfos;

LoadedExtension::LoadedExtension(const std::filesystem::path& path) : library_(path)
{
}

std::int32_t LoadedExtension::Initialize(mV* mV, bool quiet)
{
    return Export<std::int32_t(VANTOR_HOSTCALL*)(Vantor::Host::mV*, std::int32_t)>("Initialize")(mV, quiet ? 1 : 0);
}

RunInfos LoadedExtension::Describe(mV* mV)
{
    RunInfos infos{};
    Export<std::int16_t(VANTOR_HOSTCALL*)(Vantor::Host::mV*, RunInfos*)>("GetRunObjectInfos")(mV, &infos);
    return infos;
}

std::string LoadedExtension::Identifier(mV* mV)
{
    const RunInfos infos = Describe(mV);
    char identifier[5] = {};
    std::memcpy(identifier, &infos.identifier, 4);
    return identifier;
}

std::wstring LoadedExtension::Menu(const char* exportName, mV* mV)
{
    HMENU menu = Export<HMENU(VANTOR_HOSTCALL*)(Vantor::Host::mV*, void*, void*)>(exportName)(mV, nullptr, nullptr);
    std::wstring text = menu ? StandinHost::MenuText(menu) : L"(no menu)";
    if (menu)
        DestroyMenu(menu);
    return text;
}

std::vector<StandinHost::BoxRecord> LoadedExtension::TakeBoxes()
{
    return StandinHost::Recorder::Instance().TakeBoxes(library_.Module());
}

std::vector<StandinHost::LogRecord> LoadedExtension::TakeLogs()
{
    return StandinHost::Recorder::Instance().TakeLogs(library_.Module());
}

std::vector<std::wstring> BoxLines(const std::vector<StandinHost::BoxRecord>& boxes)
{
    std::vector<std::wstring> lines;
    for (const auto& box : boxes)
        lines.push_back(box.title + L" | " + box.text);
    return lines;
}

}  // namespace TestSupport
