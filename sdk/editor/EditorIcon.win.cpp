#include "sdk/editor/EditorIcon.h"

#include <stdexcept>

#include "sdk/definition/DefinitionSource.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/Project.h"
#include "sdk/editor/NewObjectBoxes.h"
#include "sdk/properties/ProblemBoxes.h"
#include "sdk/text/Utf.h"

namespace Vantor {
namespace {

constexpr int kIconResource = 101;

// The icon file's bytes; none when there is no icon or it cannot be read (shown).
DefinitionBytes ReadIconBytes()
{
    try {
        return ReadDefinition(ProcessEnvironment().languageCode, L"png", kIconResource);
    } catch (const std::runtime_error& error) {
        ErrorBox(L"Failed to load ext icon", L"%s's Icon.png could not be read: %s", kProjectName,
                 ToUtf16(error.what()).c_str());
        return {};
    }
}

}  // namespace

EditorIcon::EditorIcon(const Host::mV* mV)
{
    Host::cSurface* prototype = nullptr;
    if (!Mmfs2_GetSurfacePrototype(&prototype, Host::kPrototypeDepth, Host::kSurfaceTypeMemory,
                                   Host::kSurfaceDriverDib) || !prototype) {
        ErrorBox(L"Vantor error", L"Getting surface prototype failed.");
        prototype = nullptr;
    }
    if (!mV || !mV->imageFilterManager)
        return;
    icon_ = Mmfs2_NewSurface();
    Load(mV->imageFilterManager, prototype);
    picture_ = std::make_unique<Surface>(icon_, "Icon surface: ");
}

EditorIcon::~EditorIcon()
{
    picture_.reset();
    Mmfs2_DeleteSurface(icon_);
}

void EditorIcon::Load(void* imageFilterManager, Host::cSurface* prototype)
{
    const DefinitionBytes bytes = ReadIconBytes();
    if (bytes.origin == DefinitionOrigin::NotFound)
        return;

    Host::CInputFile* stream = Mmfs2_OpenMemoryStream(bytes.bytes.data(), static_cast<std::uint32_t>(bytes.bytes.size()));
    Host::cSurface* imported = Mmfs2_NewSurface();
    const bool ok = Mmfs2_ImportImageFile(imageFilterManager, stream, imported) != 0;
    if (!ok)
        ShowProblem(IconImportBox(ToUtf8(kProjectName), Mmfs2_GetImportDepth(imageFilterManager)));
    Mmfs2_CloseStream(stream);

    const bool withAlpha = Mmfs2_HasAlpha(imported) != 0;
    if (!withAlpha)
        Mmfs2_SetTransparentColor(imported, Host::kMagenta);
    // Without a prototype the host cannot lay the surface out: it stays empty.
    if (prototype) {
        Mmfs2_CreateSurface(icon_, Mmfs2_GetSurfaceWidth(imported), Mmfs2_GetSurfaceHeight(imported), prototype);
        if (withAlpha)
            Mmfs2_CreateAlpha(icon_);
        else
            Mmfs2_SetTransparentColor(icon_, Host::kMagenta);
        const Host::BlitRequest copy{0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0, 0, Host::kBlitOpaque,
                                     withAlpha ? Host::kBlitCopyAlpha : 0u};
        if (ok && !Mmfs2_Blit(imported, icon_, &copy))
            ErrorBox(L"Vantor error", L"Blitting to ext icon surface failed. Last error: %i.",
                     Mmfs2_GetSurfaceError(icon_));
    }
    Mmfs2_DeleteSurface(imported);
}

}  // namespace Vantor
