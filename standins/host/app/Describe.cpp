#include "standins/host/app/Describe.h"

#include <cstring>
#include <string>

#include "sdk/host/HostRecords.h"
#include "standins/host/ExtensionLibrary.h"
#include "standins/host/HostApplication.h"
#include "standins/host/Recorder.h"
#include "standins/host/editor/MenuText.h"

namespace StandinHost {
namespace {

using Vantor::Host::mV;
using Vantor::Host::RunInfos;

using InitializeFn = std::int32_t(VANTOR_HOSTCALL*)(mV*, std::int32_t);
using GetRunObjectInfosFn = std::int16_t(VANTOR_HOSTCALL*)(mV*, RunInfos*);
using GetMenuFn = HMENU(VANTOR_HOSTCALL*)(mV*, void*, void*);

// A stand-in editor window: the library only passes it on as the owner of its boxes.
void* const kEditorWindow = reinterpret_cast<void*>(0x00E0D170);

std::wstring Indented(const std::wstring& text, const std::wstring& indent)
{
    std::wstring out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(L'\n', start);
        out += indent + text.substr(start, end - start) + L"\n";
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
    return out.empty() ? indent + L"(empty)\n" : out;
}

void PrintMenu(const ExtensionLibrary& library, HostApplication& host, const char* exportName,
               const wchar_t* heading, std::wostream& out)
{
    HMENU menu = library.Export<GetMenuFn>(exportName)(host.Record(), nullptr, nullptr);
    out << L"  " << heading << L":\n" << Indented(MenuText(menu), L"    ");
    if (menu)
        DestroyMenu(menu);
}

void PrintBoxes(const ExtensionLibrary& library, std::wostream& out)
{
    const auto boxes = Recorder::Instance().TakeBoxes(library.Module());
    if (boxes.empty()) {
        out << L"  Boxes shown: none\n";
        return;
    }
    out << L"  Boxes shown:\n";
    for (const BoxRecord& box : boxes)
        out << L"    [" << box.title << L"] " << box.text << L"\n";
}

bool DescribeOne(const std::filesystem::path& path, HostApplication& host, std::wostream& out)
{
    out << path.filename().wstring() << L"\n";
    try {
        ExtensionLibrary library(path);
        const std::int32_t started = library.Export<InitializeFn>("Initialize")(host.Record(), 0);
        out << L"  Initialize: " << (started == 0 ? L"ready" : L"failed") << L"\n";
        if (started == 0) {
            RunInfos infos{};
            library.Export<GetRunObjectInfosFn>("GetRunObjectInfos")(host.Record(), &infos);
            char identifier[5] = {};
            std::memcpy(identifier, &infos.identifier, 4);
            out << L"  Identifier: " << identifier << L"\n"
                << L"  Actions: " << infos.numActions << L", conditions: " << infos.numConditions
                << L", expressions: " << infos.numExpressions << L"\n"
                << L"  Stored properties: " << infos.editDataSize << L" bytes\n";
            PrintMenu(library, host, "GetActionMenu", L"Action menu", out);
            PrintMenu(library, host, "GetConditionMenu", L"Condition menu", out);
            PrintMenu(library, host, "GetExpressionMenu", L"Expression menu", out);
        }
        PrintBoxes(library, out);
        return started == 0;
    } catch (const std::exception& error) {
        out << L"  " << error.what() << L"\n";
        return false;
    }
}

}  // namespace

int Describe(const std::vector<std::filesystem::path>& libraries, std::wostream& out)
{
    HostApplication host;
    host.SetWindow(kEditorWindow);
    int failed = 0;
    for (const auto& library : libraries) {
        if (!DescribeOne(library, host, out))
            ++failed;
        out << L"\n";
    }
    return failed;
}

}  // namespace StandinHost
