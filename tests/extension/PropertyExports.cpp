// Test-only exports that read a stored block's properties by title, as an Extension does.
#include "sdk/exports/Export.h"
#include "sdk/properties/PropertyAccess.h"
#include "sdk/text/HostBuffer.h"
#include "sdk/text/Utf.h"

VANTOR_EXPORT void VANTOR_HOSTCALL VantorTest_PropertyStr(const void* edPtr, const wchar_t* title, wchar_t* value,
                                                          std::int32_t capacity)
{
    const std::wstring text = Vantor::PropertiesOf(edPtr).GetPropertyStr(Vantor::ToUtf8(title));
    Vantor::CopyToHostBuffer(value, static_cast<std::size_t>(capacity), std::wstring_view(text));
}

VANTOR_EXPORT float VANTOR_HOSTCALL VantorTest_PropertyNum(const void* edPtr, const wchar_t* title)
{
    return Vantor::PropertiesOf(edPtr).GetPropertyNum(Vantor::ToUtf8(title));
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_PropertyChecked(const void* edPtr, const wchar_t* title)
{
    return Vantor::PropertiesOf(edPtr).IsPropChecked(Vantor::ToUtf8(title)) ? 1 : 0;
}
