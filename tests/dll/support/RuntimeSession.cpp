#include "tests/dll/support/RuntimeSession.h"

#include <stdexcept>

namespace TestSupport {

RuntimeSession::RuntimeSession(std::string definition)
{
    const auto path = folder_.CopyLibrary("VantorTest.mfx");
    folder_.Write("VantorTest.json", definition.empty() ? FixtureText("VantorTest.json") : definition);
    extension_ = std::make_unique<LoadedExtension>(path);
    if (extension_->Initialize(host_.Record()) != 0)
        throw std::runtime_error("the test extension did not start");
    extension_->TakeBoxes();
    // A frame always lists at least the object type being created.
    frame_ = std::make_unique<StandinHost::Frame>(host_, StandinHost::RunHeaderOptions{.objectListCount = 1});
}

StandinHost::RunObject& RuntimeSession::CreateObject(void* editData)
{
    return frame_->Create(extension_->Library(), {.editData = editData});
}

std::wstring RuntimeSession::TakeCalls()
{
    using TakeCallsFn = std::int32_t(VANTOR_HOSTCALL*)(wchar_t*, std::int32_t);
    const auto take = extension_->Export<TakeCallsFn>("VantorTest_TakeCalls");
    std::wstring buffer(1, L'\0');
    for (;;) {
        const std::int32_t needed = take(buffer.data(), static_cast<std::int32_t>(buffer.size()));
        if (needed <= static_cast<std::int32_t>(buffer.size()))
            return buffer.substr(0, buffer.find(L'\0'));
        buffer.assign(static_cast<std::size_t>(needed), L'\0');
    }
}

std::vector<std::wstring> RuntimeSession::TakeBoxLines()
{
    return BoxLines(extension_->TakeBoxes());
}

std::vector<std::wstring> RuntimeSession::TakeLogLines()
{
    std::vector<std::wstring> lines;
    for (const auto& log : extension_->TakeLogs())
        lines.push_back(log.text);
    return lines;
}

}  // namespace TestSupport
