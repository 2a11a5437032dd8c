// The host debugger's calls of one object: its item tree, an item's text, editing an item.
#include "standins/host/RunObject.h"

#include "standins/host/ExtensionFault.h"
#include "standins/host/internal/DebugItemBuffer.h"

namespace StandinHost {
namespace {

using Vantor::Host::RUNDATA;

using GetDebugTreeFn = const std::uint16_t*(VANTOR_HOSTCALL*)(RUNDATA*);
using GetDebugItemFn = void(VANTOR_HOSTCALL*)(wchar_t* buffer, RUNDATA*, std::int32_t id);
using EditDebugItemFn = void(VANTOR_HOSTCALL*)(RUNDATA*, std::int32_t id);

constexpr std::uint16_t kTreeEnd = 0xFFFF;
constexpr std::size_t kLongestTree = 0x10000;

}  // namespace

std::vector<std::uint16_t> RunObject::DebugTree() {
    const std::uint16_t* tree = library_.Export<GetDebugTreeFn>("GetDebugTree")(Data());
    if (tree == nullptr) throw ExtensionFault("GetDebugTree returned null");
    std::vector<std::uint16_t> ids;
    for (std::size_t i = 0; i < kLongestTree; ++i) {
        if (tree[i] == kTreeEnd) return ids;
        ids.push_back(tree[i]);
    }
    throw ExtensionFault("GetDebugTree returned a tree without its end within 65536 entries");
}

std::optional<std::wstring> RunObject::DebugItem(std::int32_t id) {
    DebugItemBuffer buffer;
    library_.Export<GetDebugItemFn>("GetDebugItem")(buffer.Data(), Data(), id);
    return buffer.Read();
}

void RunObject::EditDebugItem(std::int32_t id) { library_.Export<EditDebugItemFn>("EditDebugItem")(Data(), id); }

}  // namespace StandinHost
