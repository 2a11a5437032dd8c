#include "sdk/frame/EditDataSizeCache.h"

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/frame/Sdk.h"
#include "sdk/properties/EditDataSize.h"
#include "sdk/text/Utf.h"

namespace Vantor::Ovik {

std::uint16_t EditDataSize()
{
    // A flag of its own rather than a 0xFFFF marker: a too-large definition, whose size is
    // 0xFFFF too, is then reported once instead of at every call.
    static bool computed = false;
    static std::uint16_t cached = 0;
    if (!computed) {
        computed = true;
        Reports reports;
        const EntryListSetNames noSets;
        cached = EditDataSizeFromJson(Member(CurrentLanguage(), "Properties"), ::SDK ? ::SDK->entryLists : noSets,
                                      ToUtf8(CurrentLanguageName()), reports);
        ShowReports(reports);
    }
    return cached;
}

}  // namespace Vantor::Ovik
