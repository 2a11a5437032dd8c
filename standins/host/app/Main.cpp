// vantor-host: runs extension libraries the way the host does, without the host.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "standins/host/app/Describe.h"
#include "standins/host/app/SceneRun.h"
#include "standins/host/app/Sheet.h"

namespace {

int Usage()
{
    std::wcerr << L"usage: vantor-host describe LIBRARY.mfx...\n"
                  L"       vantor-host run SCENE\n"
                  L"       vantor-host sheet LIBRARY.mfx [TITLE=VALUE]\n"
                  L"  describe  load each library as the editor does and print what it tells the host\n"
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
    if (arguments.size() == 2 && arguments[0] == L"run")
        return StandinHost::RunScene(arguments[1], std::wcout, std::wcerr);
    if ((arguments.size() == 2 || arguments.size() == 3) && arguments[0] == L"sheet")
        return StandinHost::ShowSheet(arguments[1], arguments.size() == 3 ? arguments[2] : L"", std::wcout);
    return Usage();
}
