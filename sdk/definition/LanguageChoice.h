// Which member of the definition's root object is the language block: the one the settings
// name, or the default. The results are indices into the root's members (MemberName / MemberValue in Json.h), or -1 for none. Caching, the run
// context and the settings file are the caller's.
#pragma once

#include <string_view>

#include <json.h>

namespace Vantor {

// The first member whose value is an object holding "About" that is an object holding a
// string "Name"; if there is none, the last member whose value is an object (a trailing
// member of another type, such as a string, is skipped rather than returned, so the result
// is always an object member); -1 when the root is not an object or has no object member.
int DefaultLanguageMember(const json_value& root);

// The "Languages" setting: items separated by ";" (the end also ends an item); from each
// item one leading space is dropped; an item then empty names nothing. Items are tried in
// order against the names of the members whose value is an object, ignoring ASCII case
// (equal length); the first item that matches selects the first such member in root order.
// -1 when no item matches (the caller then uses the default).
int ChooseLanguageMember(const json_value& root, std::string_view languagesSetting);

}  // namespace Vantor
