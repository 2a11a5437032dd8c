#include "standins/host/ProcessEnd.h"

#include "standins/host/internal/ProcessEndHooks.h"

namespace StandinHost {
namespace {

// __builtin_setjmp's buffer: five words, and no run-time library involved, so a jump across the
// library's frames touches nothing of theirs.
struct Catcher {
    void* buffer[5];
    unsigned exitCode = 0;
    Catcher* outer = nullptr;
};

thread_local Catcher* innermost = nullptr;

[[noreturn]] void JumpBack(UINT exitCode) noexcept
{
    innermost->exitCode = exitCode;
    __builtin_longjmp(innermost->buffer, 1);
}

bool IsThisProcess(HANDLE process) noexcept
{
    return process == GetCurrentProcess() || GetProcessId(process) == GetCurrentProcessId();
}

}  // namespace

std::optional<unsigned> CatchProcessEnd(const std::function<void()>& body)
{
    Catcher catcher;
    catcher.outer = innermost;
    if (__builtin_setjmp(catcher.buffer) == 0) {
        innermost = &catcher;
        body();
        innermost = catcher.outer;
        return std::nullopt;
    }
    // Back from JumpBack: catcher lives in this frame, which the jump restored.
    innermost = catcher.outer;
    return catcher.exitCode;
}

BOOL WINAPI HookedTerminateProcess(HANDLE process, UINT exitCode) noexcept
{
    if (innermost && IsThisProcess(process))
        JumpBack(exitCode);
    return TerminateProcess(process, exitCode);
}

void WINAPI HookedExitProcess(UINT exitCode) noexcept
{
    if (innermost)
        JumpBack(exitCode);
    ExitProcess(exitCode);
}

}  // namespace StandinHost
