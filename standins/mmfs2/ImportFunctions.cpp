// The stand-in's read streams, image filter manager and window surfaces.
#define VANTOR_BUILDING_MMFS2
#include "standins/mmfs2/Mmfs2Control.h"

#include "standins/mmfs2/PngImport.h"
#include "standins/mmfs2/StandinState.h"

using Vantor::Host::CInputFile;
using Vantor::Host::cSurface;
using namespace Mmfs2StandIn;

namespace {

ImageFilterManager& ManagerOf(void* manager, const char* function)
{
    if (manager != &TheImageFilterManager())
        Misuse(function, manager ? "not the image filter manager" : "null image filter manager");
    return TheImageFilterManager();
}

}  // namespace

extern "C" CInputFile* VANTOR_HOSTCALL Mmfs2_OpenMemoryStream(const void* bytes, std::uint32_t size)
{
    if (!bytes && size)
        Misuse("OpenMemoryStream", "null block");
    auto stream = std::make_unique<Stream>();
    stream->bytes = std::string_view(static_cast<const char*>(bytes), size);
    auto* handle = reinterpret_cast<CInputFile*>(stream.get());
    Streams().emplace(handle, std::move(stream));
    return handle;
}

extern "C" void VANTOR_HOSTCALL Mmfs2_CloseStream(CInputFile* stream)
{
    if (Streams().erase(stream) == 0)
        Misuse("CloseStream", "not an open stream");
}

extern "C" std::int32_t VANTOR_HOSTCALL Mmfs2_ImportImageFile(void* imageFilterManager, CInputFile* stream,
                                                              cSurface* surface)
{
    ImageFilterManager& manager = ManagerOf(imageFilterManager, "ImportImageFile");
    const auto open = Streams().find(stream);
    if (open == Streams().end())
        Misuse("ImportImageFile", "not an open stream");
    Surface& target = SurfaceOf(surface, "ImportImageFile");
    if (target.bufferLocked || target.alphaLocked)
        Misuse("ImportImageFile", "surface has a locked buffer");

    PngImport imported = ImportPng(open->second->bytes);
    manager.lastDepth = imported.depth;
    if (!imported.ok)
        return 0;
    target.pixels = std::move(imported.pixels);
    target.lastError = kNoError;
    return 1;
}

extern "C" std::uint8_t VANTOR_HOSTCALL Mmfs2_GetImportDepth(void* imageFilterManager)
{
    return ManagerOf(imageFilterManager, "GetImportDepth").lastDepth;
}

extern "C" cSurface* VANTOR_HOSTCALL Mmfs2_GetWindowSurface(void* window)
{
    const auto found = WindowSurfaces().find(window);
    return found == WindowSurfaces().end() ? nullptr : found->second;
}

void* __cdecl Mmfs2StandIn_ImageFilterManager() { return &TheImageFilterManager(); }

void __cdecl Mmfs2StandIn_SetWindowSurface(void* window, cSurface* surface)
{
    if (surface)
        SurfaceOf(surface, "Mmfs2StandIn_SetWindowSurface");
    WindowSurfaces()[window] = surface;
}
