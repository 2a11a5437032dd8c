#include "tests/extension/CallLog.h"

#include <cstdarg>
#include <mutex>

#include "sdk/diagnostics/Log.h"
#include "sdk/text/WideText.h"
#include "sdk/exports/Export.h"
#include "sdk/text/HostBuffer.h"

namespace TestExtension {
namespace {

std::mutex mutex;
std::wstring calls;

}  // namespace

LinkFault linkFault = LinkFault::None;

void Record(const wchar_t* format, ...)
{
    std::va_list args;
    va_start(args, format);
    const std::wstring line = Vantor::ToWide(Vantor::FormatOrDescribe(format, args));
    va_end(args);
    const std::lock_guard<std::mutex> lock(mutex);
    calls += line;
    calls += L'\n';
}

}  // namespace TestExtension

// Hands over every call recorded since the last take, one a line; the length it needs when the
// buffer is too small (then nothing is taken).
VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_TakeCalls(wchar_t* buffer, std::int32_t capacity)
{
    const std::lock_guard<std::mutex> lock(TestExtension::mutex);
    const auto needed = static_cast<std::int32_t>(TestExtension::calls.size() + 1);
    if (needed > capacity)
        return needed;
    Vantor::CopyToHostBuffer(buffer, static_cast<std::size_t>(capacity), std::wstring_view(TestExtension::calls));
    TestExtension::calls.clear();
    return needed;
}

VANTOR_EXPORT void VANTOR_HOSTCALL VantorTest_SetLinkFault(std::int32_t fault)
{
    TestExtension::linkFault = static_cast<TestExtension::LinkFault>(fault);
}
