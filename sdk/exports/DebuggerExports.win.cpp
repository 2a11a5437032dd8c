// The host debugger's view of an object: the tree of item IDs, an item's text, editing an item.
#include <windows.h>

#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Fatal.h"
#include "sdk/exports/Export.h"
#include "sdk/frame/ExtensionBase.h"
#include "sdk/frame/Runtime.h"
#include "sdk/text/HostBuffer.h"

using Vantor::Host::RUNDATA;

namespace {

constexpr std::size_t kItemBufferSize = 256;

// The host's own edit boxes, reached through the run header.
class HostEditBox final : public Vantor::DebugEditBox {
public:
    explicit HostEditBox(RUNDATA* rdPtr) : rdPtr_(rdPtr) {}

    bool EditText(std::u16string& text, std::size_t maxLength) override
    {
        wchar_t buffer[kItemBufferSize] = {};
        Vantor::CopyTruncated(buffer, maxLength + 1, std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size()));
        Vantor::Host::DebugEditRecord record{};
        record.text = buffer;
        record.maxLength = static_cast<std::int32_t>(maxLength);
        if (!Ask(Vantor::Host::kServiceEditText, record))
            return false;
        buffer[maxLength] = L'\0';  // whatever the box wrote, the text ends inside the buffer
        text.assign(reinterpret_cast<const char16_t*>(buffer));
        return true;
    }

    bool EditInt(std::int32_t& value) override
    {
        Vantor::Host::DebugEditRecord record{};
        record.value = value;
        if (!Ask(Vantor::Host::kServiceEditInteger, record))
            return false;
        value = record.value;
        return true;
    }

private:
    bool Ask(std::size_t service, Vantor::Host::DebugEditRecord& record)
    {
        const Vantor::Host::RunService edit = Vantor::Ovik::RunHeaderService(rdPtr_, service);
        return edit && edit(rdPtr_, 0, static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(&record))) == 1;
    }

    RUNDATA* rdPtr_;
};

// An ID the host never sends for a well-formed tree: reported, never thrown at the host.
void ReportItemError(const std::exception& error)
{
    Vantor::ErrorBox(L"Fusion debugger error", L"%hs", error.what());
}

}  // namespace

VANTOR_EXPORT const std::uint16_t* VANTOR_HOSTCALL GetDebugTree(RUNDATA* rdPtr)
{
    Vantor::RequireMainThread("FusionDebugger");
    return Vantor::FindExtension(rdPtr).FusionDebugger.Tree();
}

VANTOR_EXPORT void VANTOR_HOSTCALL GetDebugItem(wchar_t* buffer, RUNDATA* rdPtr, std::int32_t id)
{
    Vantor::RequireMainThread("FusionDebugger");
    try {
        const std::u16string& text = Vantor::FindExtension(rdPtr).FusionDebugger.ItemText(id, GetTickCount64());
        Vantor::CopyTruncated(buffer, kItemBufferSize,
                              std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size()));
    } catch (const Vantor::DebugItemError& error) {
        ReportItemError(error);
    }
}

VANTOR_EXPORT void VANTOR_HOSTCALL EditDebugItem(RUNDATA* rdPtr, std::int32_t id)
{
    Vantor::RequireMainThread("FusionDebugger");
    HostEditBox box(rdPtr);
    try {
        Vantor::FindExtension(rdPtr).FusionDebugger.EditItem(id, box, GetTickCount64());
    } catch (const Vantor::DebugItemError& error) {
        ReportItemError(error);
    } catch (const Vantor::DebugTextTooLong& error) {
        Vantor::FatalError(L"%hs", error.what());
    }
}
