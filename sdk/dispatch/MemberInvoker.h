// Turns a member function of any Extension into a LinkedFunction: the host's 32-bit argument
// words become the member's own argument types, and its result a 32-bit word again.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

#include "sdk/dispatch/LinkedFunction.h"

namespace Vantor {

template <class T>
T FromWord(std::uint32_t word)
{
    static_assert(sizeof(T) <= sizeof(std::uint32_t), "every argument travels as one 32-bit word");
    if constexpr (std::is_same_v<T, float>)
        return std::bit_cast<float>(word);
    else if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<T>(static_cast<std::uintptr_t>(word));
    else if constexpr (std::is_same_v<T, bool>)
        return word != 0;
    else
        return static_cast<T>(word);
}

template <class T>
std::uint32_t ToWord(T value)
{
    static_assert(sizeof(T) <= sizeof(std::uint32_t), "every result travels as one 32-bit word");
    if constexpr (std::is_same_v<T, float>)
        return std::bit_cast<std::uint32_t>(value);
    else if constexpr (std::is_pointer_v<T>)
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(value));
    else
        return static_cast<std::uint32_t>(value);
}

template <class E, class R, class... A>
struct MemberInvoker {
    using Member = R (E::*)(A...);
    static_assert(sizeof(Member) == sizeof(LinkedFunction::member), "a member pointer fills the stored bytes");
    static_assert(sizeof...(A) <= kMaxParameters, "at most 16 parameters");

    static LinkedFunction Make(Member member)
    {
        LinkedFunction linked;
        linked.invoke = &Invoke;
        linked.arity = static_cast<std::int16_t>(sizeof...(A));
        linked.result = ResultKindOf();
        std::memcpy(linked.member, &member, sizeof member);
        return linked;
    }

    static constexpr ResultKind ResultKindOf()
    {
        if constexpr (std::is_void_v<R>)
            return ResultKind::None;
        else if constexpr (std::is_same_v<R, float>)
            return ResultKind::Float;
        else if constexpr (std::is_pointer_v<R>)
            return ResultKind::Text;
        else
            return ResultKind::Integer;
    }

    static std::uint32_t Invoke(ExtensionBase& extension, const LinkedFunction& self, const std::uint32_t* arguments)
    {
        const auto member = std::bit_cast<Member>(self.member);
        return Call(static_cast<E&>(extension), member, arguments, std::index_sequence_for<A...>{});
    }

    template <std::size_t... I>
    static std::uint32_t Call(E& extension, Member member, const std::uint32_t* arguments, std::index_sequence<I...>)
    {
        if constexpr (std::is_void_v<R>) {
            (extension.*member)(FromWord<A>(arguments[I])...);
            return 0;
        } else {
            return ToWord((extension.*member)(FromWord<A>(arguments[I])...));
        }
    }
};

}  // namespace Vantor
