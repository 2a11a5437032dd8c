#include "sdk/definition/Json.h"

#include <cmath>

namespace Vantor {

const json_value& JsonNone() { return json_value_none; }

bool IsObject(const json_value& v) { return v.type == json_object; }
bool IsArray(const json_value& v) { return v.type == json_array; }
bool IsString(const json_value& v) { return v.type == json_string; }
bool IsBoolean(const json_value& v) { return v.type == json_boolean; }
bool IsInteger(const json_value& v) { return v.type == json_integer; }
bool IsNumber(const json_value& v) { return v.type == json_integer || v.type == json_double; }

int MemberIndex(const json_value& v, std::string_view key) {
    if (v.type != json_object) return -1;
    for (unsigned int i = 0; i < v.u.object.length; ++i) {
        const json_object_entry& e = v.u.object.values[i];
        if (std::string_view(e.name, e.name_length) == key) return static_cast<int>(i);
    }
    return -1;
}

const json_value& Member(const json_value& v, std::string_view key) {
    const int i = MemberIndex(v, key);
    return i < 0 ? json_value_none : *v.u.object.values[i].value;
}

std::size_t MemberCount(const json_value& v) { return v.type == json_object ? v.u.object.length : 0; }

std::string_view MemberName(const json_value& v, std::size_t index) {
    if (index >= MemberCount(v)) return {};
    const json_object_entry& e = v.u.object.values[index];
    return {e.name, e.name_length};
}

const json_value& MemberValue(const json_value& v, std::size_t index) {
    if (index >= MemberCount(v)) return json_value_none;
    return *v.u.object.values[index].value;
}

std::size_t ElementCount(const json_value& v) { return v.type == json_array ? v.u.array.length : 0; }

const json_value& Element(const json_value& v, std::size_t index) {
    if (index >= ElementCount(v)) return json_value_none;
    return *v.u.array.values[index];
}

std::string_view Text(const json_value& v) {
    if (v.type != json_string || v.u.string.ptr == nullptr) return {};
    return {v.u.string.ptr, v.u.string.length};
}

std::int64_t Integer(const json_value& v) {
    if (v.type == json_integer) return v.u.integer;
    if (v.type == json_double) {
        const double d = v.u.dbl;
        // 2^63 is exactly representable; anything at or beyond it (or NaN) reads as 0.
        if (std::isfinite(d) && d >= -9223372036854775808.0 && d < 9223372036854775808.0)
            return static_cast<std::int64_t>(d);
    }
    return 0;
}

bool Boolean(const json_value& v) { return v.type == json_boolean && v.u.boolean != 0; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace Vantor
