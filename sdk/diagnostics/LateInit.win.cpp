#include "sdk/diagnostics/LateInit.h"

#include <atomic>
#include <cstdint>
#include <cstring>

#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/Fatal.h"
#include "sdk/diagnostics/Log.h"
#include "sdk/diagnostics/ProbeRules.h"
#include "sdk/host/Mmfs2.h"
#include "sdk/host/RunRecords.h"

namespace Vantor {
namespace {

constexpr int kDisplayModeWithExtensionPack = 7;

void* ApplicationOf(const void* rhPtr) {
    void* application = nullptr;
    if (rhPtr) std::memcpy(&application, static_cast<const std::uint8_t*>(rhPtr) + Host::kRunHeaderApplication, sizeof application);
    return application;
}

}  // namespace

int DisplayMode(const void* rhPtr) {
    static std::atomic<int> cached{kDisplayModeUnknown};
    if (const int mode = cached.load(); mode != kDisplayModeUnknown) return mode;
    const void* application = ApplicationOf(rhPtr);
    std::uint16_t flags = 0;
    if (!application) return DisplayModeFromFlags(flags);
    std::memcpy(&flags, static_cast<const std::uint8_t*>(application) + Host::kApplicationFlags, sizeof flags);
    const int mode = DisplayModeFromFlags(flags);
    cached.store(mode);
    return mode;
}

void LateInit(void* rhPtr) {
    static std::atomic<bool> ran{false};
    if (ran.exchange(true)) return;
    RequireMainThread("LateInit");
    Environment& environment = ProcessEnvironment();
    if (!environment.isFusion25 || environment.runContext != RunContext::BuiltApp) return;
    void* application = ApplicationOf(rhPtr);
    if (!application) {
        LogLine(kLogWarning, L"LateInit got no application; can't check for CF2.5+ DLC. Assuming not CF2.5+.\n");
        return;
    }
    Host::ImageInformation image = {};
    if (Mmfs2_GetImageInfo(application, 1, &image)) {
        environment.extensionPack = (image.bytes[Host::kImageFlagsByte] & Host::kImageFlagExtensionPack) != 0;
        return;
    }
    if (Mmfs2_HasImages(application)) FatalError(L"Failed to read image bank; unknown error.\n");
    environment.extensionPack = DisplayMode(rhPtr) == kDisplayModeWithExtensionPack;
    if (!environment.extensionPack)
        LogLine(kLogNote, L"App has no images; can't check for CF2.5+ DLC reliably. Add an Active. Assuming not CF2.5+.\n");
}

}  // namespace Vantor
