#include "sdk/editor/NewObject.h"

#include <cstring>
#include <windows.h>

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/Project.h"
#include "sdk/editor/NewObjectBoxes.h"
#include "sdk/frame/EditDataSizeCache.h"
#include "sdk/frame/Sdk.h"
#include "sdk/properties/DefaultEditData.h"
#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/ProblemBoxes.h"
#include "sdk/text/Utf.h"

namespace Vantor {
namespace {

constexpr std::size_t kExtIdOffset = offsetof(EditDataHeader, extID);
constexpr std::size_t kSizeBytesOffset = kPropertiesOffset + offsetof(Properties, sizeBytes);

std::uint32_t ReadU32(const void* at)
{
    std::uint32_t value = 0;
    std::memcpy(&value, at, sizeof value);
    return value;
}

std::vector<std::uint8_t> DefaultBlock()
{
    const std::string languageName = ToUtf8(Ovik::CurrentLanguageName());
    const std::string projectName = ToUtf8(kProjectName);
    DefaultEditDataRequest request{Member(Ovik::CurrentLanguage(), "Properties"), ::SDK->entryLists, languageName,
        projectName};
    request.quiet = ProcessEnvironment().runContext == RunContext::Quiet;
    DefaultEditData made = BuildDefaultEditData(request);
    ShowProblems(made.boxes);
    return std::move(made.block);
}

// Puts the block into the host's EDITDATA, or into the one it resizes it to. 0, or the error.
int Place(Host::mV* mV, void* edPtr, const std::uint8_t* block, std::size_t size)
{
    const std::uint32_t hostSize = ReadU32(edPtr);
    const std::uint32_t blockSize = ReadU32(block + kSizeBytesOffset);
    if (hostSize == blockSize) {
        std::memcpy(edPtr, block, size);
        return 0;
    }
    ShowProblem(SizeMismatchBox(hostSize, blockSize, Ovik::EditDataSize()));
    const std::uint32_t resized = mV && mV->callFunction
        ? mV->callFunction(edPtr, Host::kCallResizeEditData, static_cast<std::intptr_t>(size), 0, 0)
        : 0;
    if (resized == 0)
        return kResizeRefused;
    // The resized block is the object's now: it gets the defaults too, never bytes left unset.
    std::memcpy(reinterpret_cast<void*>(static_cast<std::uintptr_t>(resized)), block, size);
    return 0;
}

}  // namespace

std::int32_t FillNewObject(Host::mV* mV, void* edPtr)
{
    if (!edPtr || !::SDK)
        return -1;
    const std::vector<std::uint8_t> made = DefaultBlock();
    if (made.empty())
        return -1;

    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, made.size());
    if (!memory)
        return -1;
    auto* block = static_cast<std::uint8_t*>(GlobalLock(memory));
    if (!block) {
        GlobalFree(memory);
        return -1;
    }
    std::memcpy(block, made.data(), made.size());
    // The host's identifier of the object stays the object's.
    std::memcpy(block + kExtIdOffset, static_cast<const std::uint8_t*>(edPtr) + kExtIdOffset, sizeof(std::uint32_t));

    const int error = Place(mV, edPtr, block, made.size());
    GlobalUnlock(memory);
    GlobalFree(memory);
    if (error != 0) {
        ShowProblem(InitialisationFailureBox(error));
        return -1;
    }
    return 0;
}

}  // namespace Vantor
