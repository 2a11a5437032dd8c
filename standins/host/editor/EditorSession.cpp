#include "standins/host/editor/EditorSession.h"

#include <cstring>
#include <memory>

#include "sdk/host/HostRecords.h"
#include "standins/host/editor/MenuText.h"
#include "standins/mmfs2/Mmfs2Control.h"

namespace StandinHost {
namespace {

using Vantor::Host::cSurface;
using Vantor::Host::mV;

using InitializeFn = std::int32_t(VANTOR_HOSTCALL*)(mV*, std::int32_t);
using GetRunObjectInfosFn = std::int16_t(VANTOR_HOSTCALL*)(mV*, Vantor::Host::RunInfos*);
using GetMenuFn = HMENU(VANTOR_HOSTCALL*)(mV*, void*, void*);
using GetStringFn = void(VANTOR_HOSTCALL*)(mV*, std::int16_t, wchar_t*, std::int16_t);
using GetParameterFn = void(VANTOR_HOSTCALL*)(mV*, std::int16_t, std::int16_t, wchar_t*, std::int16_t);
using GetInfosFn = const std::uint16_t*(VANTOR_HOSTCALL*)(mV*, std::int16_t);
using CreateObjectFn = std::int32_t(VANTOR_HOSTCALL*)(mV*, void*, void*);
using DuplicateObjectFn = void(VANTOR_HOSTCALL*)(mV*, void*, void*);
using MakeIconExFn = std::int32_t(VANTOR_HOSTCALL*)(mV*, cSurface*, wchar_t*, void*, void*);
using EditorDisplayFn = void(VANTOR_HOSTCALL*)(mV*, void*, void*, void*, RECT*);

constexpr std::int16_t kTextCapacity = 1024;

struct KindExports {
    const char* menu;
    const char* string;
    const char* parameter;
    const char* infos;
};

const KindExports& ExportsOf(EntryKind kind)
{
    static const KindExports kinds[] = {
        {"GetActionMenu", "GetActionString", "GetActionTitle", "GetActionInfos"},
        {"GetConditionMenu", "GetConditionString", "GetConditionTitle", "GetConditionInfos"},
        {"GetExpressionMenu", "GetExpressionString", "GetExpressionParam", "GetExpressionInfos"},
    };
    return kinds[static_cast<int>(kind)];
}

// A host surface for the length of one call, deleted however the call ends.
struct ScopedSurface {
    cSurface* surface = Mmfs2_NewSurface();
    ~ScopedSurface() { Mmfs2_DeleteSurface(surface); }
};

void WriteU32(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value)
{
    std::memcpy(block.data() + offset, &value, sizeof value);
}

}  // namespace

EditorSession::EditorSession(HostApplication& host, const std::filesystem::path& library)
    : host_(host), library_(library)
{
    host_.SetWindow(kMainWindow);
    host_.Record()->editorWindow = kFrameEditorWindow;
    host_.Record()->imageFilterManager = Mmfs2StandIn_ImageFilterManager();
}

std::int32_t EditorSession::Start()
{
    return library_.Export<InitializeFn>("Initialize")(host_.Record(), 0);
}

std::wstring EditorSession::Menu(EntryKind kind)
{
    HMENU menu = library_.Export<GetMenuFn>(ExportsOf(kind).menu)(host_.Record(), nullptr, nullptr);
    if (!menu)
        return L"(no menu)";
    std::wstring text = MenuText(menu);
    DestroyMenu(menu);
    return text;
}

std::size_t EditorSession::EntryCount(EntryKind kind)
{
    Vantor::Host::RunInfos infos{};
    library_.Export<GetRunObjectInfosFn>("GetRunObjectInfos")(host_.Record(), &infos);
    return kind == EntryKind::Action ? infos.numActions
        : kind == EntryKind::Condition ? infos.numConditions
                                       : infos.numExpressions;
}

std::wstring EditorSession::DisplayString(EntryKind kind, std::int16_t id)
{
    wchar_t buffer[kTextCapacity] = {};
    library_.Export<GetStringFn>(ExportsOf(kind).string)(host_.Record(), id, buffer, kTextCapacity);
    return std::wstring(buffer, wcsnlen(buffer, kTextCapacity));
}

std::wstring EditorSession::ExpressionTitle(std::int16_t id)
{
    wchar_t buffer[kTextCapacity] = {};
    library_.Export<GetStringFn>("GetExpressionTitle")(host_.Record(), id, buffer, kTextCapacity);
    return std::wstring(buffer, wcsnlen(buffer, kTextCapacity));
}

std::wstring EditorSession::ParameterName(EntryKind kind, std::int16_t id, std::int16_t parameter)
{
    wchar_t buffer[kTextCapacity] = {};
    library_.Export<GetParameterFn>(ExportsOf(kind).parameter)(host_.Record(), id, parameter, buffer, kTextCapacity);
    return std::wstring(buffer, wcsnlen(buffer, kTextCapacity));
}

bool EditorSession::Info(EntryKind kind, std::int16_t id, EntryInfo& info)
{
    // From the ID field on: ID, flags, count, the count's parameter codes.
    const std::uint16_t* words = library_.Export<GetInfosFn>(ExportsOf(kind).infos)(host_.Record(), id);
    if (!words)
        return false;
    info.id = static_cast<std::int16_t>(words[0]);
    info.flags = words[1];
    info.parameterCodes.assign(words + 3, words + 3 + words[2]);
    return true;
}

EditorSession::CreatedObject EditorSession::CreateObject(std::uint32_t hostSize, std::uint32_t extId)
{
    Vantor::Host::RunInfos infos{};
    library_.Export<GetRunObjectInfosFn>("GetRunObjectInfos")(host_.Record(), &infos);
    if (hostSize == 0)
        hostSize = infos.editDataSize;

    // The host's block, and the one it makes when asked to resize it.
    auto block = std::make_shared<std::vector<std::uint8_t>>(std::max<std::uint32_t>(hostSize, 16));
    WriteU32(*block, 0, hostSize);
    WriteU32(*block, 12, extId);
    auto resized = std::make_shared<std::vector<std::uint8_t>>();
    host_.SetCallHandler([block, resized](const HostCall& call) -> std::optional<std::uint32_t> {
        if (call.code != Vantor::Host::kCallResizeEditData || call.arg1 < 16)
            return std::nullopt;
        resized->assign(block->begin(), block->end());
        resized->resize(static_cast<std::size_t>(call.arg1));
        WriteU32(*resized, 0, static_cast<std::uint32_t>(call.arg1));
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(resized->data()));
    });
    CreatedObject created;
    created.result = library_.Export<CreateObjectFn>("CreateObject")(host_.Record(), nullptr, block->data());
    host_.SetCallHandler({});
    created.editData = resized->empty() ? *block : *resized;
    return created;
}

void EditorSession::DuplicateObject(std::vector<std::uint8_t>& editData)
{
    library_.Export<DuplicateObjectFn>("DuplicateObject")(host_.Record(), nullptr, editData.data());
}

Picture EditorSession::Icon()
{
    ScopedSurface icon;
    wchar_t name[] = L"Object";
    library_.Export<MakeIconExFn>("MakeIconEx")(host_.Record(), icon.surface, name, nullptr, nullptr);
    return ReadPicture(icon.surface);
}

Picture EditorSession::Display(std::int32_t width, std::int32_t height, const RECT& rectangle, std::uint32_t background)
{
    ScopedSurface window, fill;
    Vantor::Host::cSurface* prototype = nullptr;
    Mmfs2_GetSurfacePrototype(&prototype, Vantor::Host::kPrototypeDepth, Vantor::Host::kSurfaceTypeMemory,
                              Vantor::Host::kSurfaceDriverDib);
    Mmfs2_CreateSurface(window.surface, width, height, prototype);
    // One background pixel stretched over the window.
    Mmfs2_CreateSurface(fill.surface, 1, 1, prototype);
    std::uint8_t* pixel = Mmfs2_LockBuffer(fill.surface);
    std::memcpy(pixel, &background, sizeof background);
    Mmfs2_UnlockBuffer(fill.surface, pixel);
    const Vantor::Host::BlitRequest cover{0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height), 0.0f,
                                          0, 0, Vantor::Host::kBlitOpaque, 0};
    Mmfs2_Blit(fill.surface, window.surface, &cover);
    // Nothing drawn yet: whatever the library leaves out stays see-through in the picture.
    Mmfs2_CreateAlpha(window.surface);
    if (std::uint8_t* alpha = Mmfs2_LockAlpha(window.surface)) {
        std::memset(alpha, 0, static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        Mmfs2_UnlockAlpha(window.surface, alpha);
    }

    Mmfs2StandIn_SetWindowSurface(kFrameEditorWindow, window.surface);
    RECT drawn = rectangle;
    library_.Export<EditorDisplayFn>("EditorDisplay")(host_.Record(), nullptr, nullptr, nullptr, &drawn);
    Mmfs2StandIn_SetWindowSurface(kFrameEditorWindow, nullptr);
    return ReadPicture(window.surface);
}

}  // namespace StandinHost
