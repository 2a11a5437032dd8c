// vantor-host: runs extension libraries the way the host does, without the host.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "standins/host/app/Describe.h"
#include "standins/host/app/EditorReport.h"
#include "standins/host/app/SceneRun.h"
#include "standins/host/app/Sheet.h"

namespace {

int Usage()
{
    std::wcerr << L"usage: vantor-host describe LIBRARY.mfx...\n"
                  L"       vantor-host editor LIBRARY.mfx... [--icons DIR]\n"
                  L"       vantor-host run SCENE\n"
                  L"       vantor-host sheet LIBRARY.mfx [TITLE=VALUE]\n"
                  L"  describe  load each library as the editor does and print what it tells the host\n"
                  L"  editor    print the menus, texts and info records as the editor shows them, create and\n"
                  L"            duplicate an object, and write each icon as the editor draws it to DIR\n"
                  L"  run       play a scene script frame by frame against the libraries, printing a trace\n"
                  L"  sheet     show a new object's property sheet and stored block, then edit one value\n";
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    if (arguments.size() >= 2 && arguments[0] == L"describe") {
        const std::vector<std::filesystem::path> libraries(arguments.begin() + 1, arguments.end());
        return StandinHost::Describe(libraries, std::wcout) == 0 ? 0 : 1;
    }
    if (arguments.size() >= 2 && arguments[0] == L"editor") {
        std::vector<std::filesystem::path> libraries;
        std::filesystem::path icons;
        for (std::size_t i = 1; i < arguments.size(); ++i) {
            if (arguments[i] != L"--icons")
                libraries.emplace_back(arguments[i]);
            else if (++i < arguments.size())
                icons = arguments[i];
            else
                return Usage();
        }
        if (libraries.empty())
            return Usage();
        return StandinHost::ShowEditor(libraries, icons, std::wcout) == 0 ? 0 : 1;
    }
    if (arguments.size() == 2 && arguments[0] == L"run")
        return StandinHost::RunScene(arguments[1], std::wcout, std::wcerr);
    if ((arguments.size() == 2 || arguments.size() == 3) && arguments[0] == L"sheet")
        return StandinHost::ShowSheet(arguments[1], arguments.size() == 3 ? arguments[2] : L"", std::wcout);
    return Usage();
}
