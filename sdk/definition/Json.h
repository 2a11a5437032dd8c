// Lookups into a json-parser tree that never fail: a missing key, an index out of range or a
// value of another type reads as "none", and a read from "none" gives the type's default
// (empty text, 0, false).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include <json.h>

namespace Vantor {

// The shared "none" value (json_none).
const json_value& JsonNone();

bool IsObject(const json_value& v);
bool IsArray(const json_value& v);
bool IsString(const json_value& v);
bool IsBoolean(const json_value& v);
bool IsInteger(const json_value& v);  // json_integer only
bool IsNumber(const json_value& v);   // json_integer or json_double

// Member by exact key: same length, same bytes (case-sensitive; embedded NULs count).
// "none" when v is not an object or has no such key; the first such member when the key
// occurs more than once.
const json_value& Member(const json_value& v, std::string_view key);
// Index of that member in the object, or -1.
int MemberIndex(const json_value& v, std::string_view key);

// Members by position: 0 when v is not an object; "none" / "" out of range.
std::size_t MemberCount(const json_value& v);
std::string_view MemberName(const json_value& v, std::size_t index);
const json_value& MemberValue(const json_value& v, std::size_t index);

// Element by index: "none" when v is not an array or the index is out of range.
const json_value& Element(const json_value& v, std::size_t index);
std::size_t ElementCount(const json_value& v);  // 0 when v is not an array

// The string's bytes with its stored length (embedded NULs kept); "" for non-strings.
std::string_view Text(const json_value& v);
// json_integer: its value; json_double: truncated toward zero when finite and inside the
// 64-bit range, else 0; anything else 0.
std::int64_t Integer(const json_value& v);
// true only for the boolean true.
bool Boolean(const json_value& v);

// ASCII-only case-insensitive equality of equal-length texts.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace Vantor
