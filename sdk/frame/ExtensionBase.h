// What every product's Extension is built on. Its members come first in every Extension, in
// this order: the run header, the object's RUNDATA, the framework's Runtime and debugger.
// No virtual functions: code outside (the audio runtime's callback) relies on rdPtr being the
// second pointer-sized member of the object.
#pragma once

#include <cstdint>

#include "sdk/debugger/FusionDebugger.h"
#include "sdk/definition/AceTables.h"
#include "sdk/dispatch/MemberInvoker.h"
#include "sdk/frame/ExtensionOffset.h"
#include "sdk/frame/Runtime.h"
#include "sdk/host/RunRecords.h"

namespace Vantor {

class ExtensionBase {
public:
    ExtensionBase(Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr);
    ExtensionBase(const ExtensionBase&) = delete;
    ExtensionBase& operator=(const ExtensionBase&) = delete;

    void* rhPtr;
    Host::RUNDATA* rdPtr;
    Ovik::Runtime Runtime;
    Vantor::FusionDebugger FusionDebugger;

    // The fallbacks for numbers no member was linked to.
    void UnlinkedAction(int id);
    std::uint32_t UnlinkedCondition(int id);
    std::uint32_t UnlinkedExpression(int id);

protected:
    // Store a member in the definition's function table for that number. A number the
    // definition lacks, or a member whose parameters or result do not match the definition's
    // entry, ends the process: the Extension and its definition disagree.
    template <class E, class R, class... A>
    void LinkAction(int id, R (E::*member)(A...))
    {
        Link(AceKind::Action, id, MemberInvoker<E, R, A...>::Make(member));
    }
    template <class E, class R, class... A>
    void LinkCondition(int id, R (E::*member)(A...))
    {
        Link(AceKind::Condition, id, MemberInvoker<E, R, A...>::Make(member));
    }
    template <class E, class R, class... A>
    void LinkExpression(int id, R (E::*member)(A...))
    {
        Link(AceKind::Expression, id, MemberInvoker<E, R, A...>::Make(member));
    }

private:
    void Link(AceKind kind, int id, const LinkedFunction& linked);
};

// FindExtension's fatal end, out of line.
[[noreturn]] void ForeignOeFlags(std::uint32_t oeFlags);

// The Extension of an object's RUNDATA, found after the optional blocks its OEFLAGS add.
// A missing one ends the process: the object was stored with flags the library does not declare.
// Inline: every call from the host starts here.
inline ExtensionBase& FindExtension(Host::RUNDATA* rdPtr)
{
    const std::uint32_t oeFlags = rdPtr->header.oeFlags;
    // Other flags move the pointer past the 188 bytes the host allocated for the declared ones:
    // such an object was stored for another build of the library, and nothing there is ours.
    auto* extension = ExtensionPointerOffset(oeFlags) == ExtensionPointerOffset(kDeclaredOeFlags)
                          ? static_cast<ExtensionBase*>(rdPtr->extension)
                          : nullptr;
    if (!extension) [[unlikely]]
        ForeignOeFlags(oeFlags);
    return *extension;
}

}  // namespace Vantor
