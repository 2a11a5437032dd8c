#include "sdk/diagnostics/WideFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "sdk/text/Utf8.h"

// Numbers are printed by snprintf, which on mingw must be its C99 one (msvcrt's lacks %lld and %zu).
#if defined(__MINGW32__) && !__USE_MINGW_ANSI_STDIO
#error "WideFormat needs __USE_MINGW_ANSI_STDIO"
#endif

namespace Vantor {
namespace {

enum class Size { Default, Char, Short, Long, LongLong, SizeT, IntMax, PtrDiff, Int32, Int64, Wide, LongDouble };

struct Field {
    std::string flags;
    int width = -1;
    int precision = -1;
    Size size = Size::Default;
    bool LeftAligned() const { return flags.find('-') != std::string::npos; }
};

// The C library formats the numbers; its output for these conversions is plain ASCII.
template <class Value>
std::optional<std::string> PrintNumber(const std::string& pattern, Value value) {
    const int length = std::snprintf(nullptr, 0, pattern.c_str(), value);
    if (length < 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern.c_str(), value);
    return text;
}

std::string NumberPattern(const Field& field, const char* length, char conversion, const char* dropFlags) {
    std::string pattern = "%";
    for (char flag : field.flags)
        if (!std::strchr(dropFlags, flag)) pattern += flag;
    if (field.width >= 0) pattern += std::to_string(field.width);
    if (field.precision >= 0) pattern += "." + std::to_string(field.precision);
    return pattern + length + conversion;
}

template <class Unit>
class Formatter {
public:
    Formatter(const Unit* format, std::va_list* args) : cursor_(format), args_(args) {}

    std::optional<std::basic_string<Unit>> Run() {
        if (!cursor_) return std::nullopt;
        while (*cursor_) {
            if (*cursor_ != '%') {
                out_ += *cursor_++;
                continue;
            }
            ++cursor_;
            if (!Conversion()) return std::nullopt;
        }
        return std::move(out_);
    }

private:
    bool ReadNumber(int& number) {
        number = 0;
        while (*cursor_ >= '0' && *cursor_ <= '9') {
            number = number * 10 + (*cursor_++ - '0');
            if (number > kMaxFormatField) return false;
        }
        return true;
    }

    bool ReadField(Field& field) {
        while (*cursor_ == '-' || *cursor_ == '+' || *cursor_ == ' ' || *cursor_ == '#' || *cursor_ == '0')
            field.flags += static_cast<char>(*cursor_++);
        if (*cursor_ == '*') {
            ++cursor_;
            int width = va_arg(*args_, int);
            if (width < -kMaxFormatField || width > kMaxFormatField) return false;
            if (width < 0) {
                field.flags += '-';
                width = -width;
            }
            field.width = width;
        } else if (*cursor_ >= '0' && *cursor_ <= '9') {
            if (!ReadNumber(field.width)) return false;
        }
        if (*cursor_ == '.') {
            ++cursor_;
            if (*cursor_ == '*') {
                ++cursor_;
                const int precision = va_arg(*args_, int);
                if (precision > kMaxFormatField) return false;
                field.precision = precision < 0 ? -1 : precision;
            } else if (!ReadNumber(field.precision)) {
                return false;
            }
        }
        ReadSize(field);
        return true;
    }

    void ReadSize(Field& field) {
        switch (*cursor_) {
        case 'h':
            ++cursor_;
            field.size = *cursor_ == 'h' ? (++cursor_, Size::Char) : Size::Short;
            break;
        case 'l':
            ++cursor_;
            field.size = *cursor_ == 'l' ? (++cursor_, Size::LongLong) : Size::Long;
            break;
        case 'L': ++cursor_; field.size = Size::LongDouble; break;
        case 'z': ++cursor_; field.size = Size::SizeT; break;
        case 'j': ++cursor_; field.size = Size::IntMax; break;
        case 't': ++cursor_; field.size = Size::PtrDiff; break;
        case 'w': ++cursor_; field.size = Size::Wide; break;
        case 'I':
            ++cursor_;
            if (cursor_[0] == '6' && cursor_[1] == '4') {
                cursor_ += 2;
                field.size = Size::Int64;
            } else if (cursor_[0] == '3' && cursor_[1] == '2') {
                cursor_ += 2;
                field.size = Size::Int32;
            } else {
                field.size = Size::SizeT;
            }
            break;
        default: break;
        }
    }

    bool Conversion() {
        Field field;
        if (!ReadField(field)) return false;
        const Unit conversion = *cursor_;
        if (conversion == 0) return false;
        ++cursor_;
        switch (conversion) {
        case '%': out_ += Unit('%'); return true;
        case 'd':
        case 'i': return Signed(field);
        case 'u':
        case 'o':
        case 'x':
        case 'X': return Unsigned(field, static_cast<char>(conversion));
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A': return Floating(field, static_cast<char>(conversion));
        case 'c': return Character(field);
        case 's': return Text(field);
        case 'p': return Pointer(field);
        default: return false;  // %n included: it would write through an argument
        }
    }

    long long SignedArgument(Size size) {
        switch (size) {
        case Size::Char: return static_cast<signed char>(va_arg(*args_, int));
        case Size::Short: return static_cast<short>(va_arg(*args_, int));
        case Size::Long: return va_arg(*args_, long);
        case Size::LongLong:
        case Size::Int64: return va_arg(*args_, long long);
        case Size::SizeT:
        case Size::PtrDiff: return va_arg(*args_, std::ptrdiff_t);
        case Size::IntMax: return va_arg(*args_, std::intmax_t);
        case Size::Int32: return va_arg(*args_, std::int32_t);
        default: return va_arg(*args_, int);
        }
    }

    unsigned long long UnsignedArgument(Size size) {
        switch (size) {
        case Size::Char: return static_cast<unsigned char>(va_arg(*args_, unsigned));
        case Size::Short: return static_cast<unsigned short>(va_arg(*args_, unsigned));
        case Size::Long: return va_arg(*args_, unsigned long);
        case Size::LongLong:
        case Size::Int64: return va_arg(*args_, unsigned long long);
        case Size::SizeT:
        case Size::PtrDiff: return va_arg(*args_, std::size_t);
        case Size::IntMax: return va_arg(*args_, std::uintmax_t);
        case Size::Int32: return va_arg(*args_, std::uint32_t);
        default: return va_arg(*args_, unsigned);
        }
    }

    bool Signed(const Field& field) {
        if (field.size == Size::Wide || field.size == Size::LongDouble) return false;
        return AppendAscii(PrintNumber(NumberPattern(field, "ll", 'd', "#"), SignedArgument(field.size)));
    }

    bool Unsigned(const Field& field, char conversion) {
        if (field.size == Size::Wide || field.size == Size::LongDouble) return false;
        const char* drop = conversion == 'u' ? "#+ " : "+ ";
        return AppendAscii(PrintNumber(NumberPattern(field, "ll", conversion, drop), UnsignedArgument(field.size)));
    }

    bool Floating(const Field& field, char conversion) {
        if (field.size != Size::Default && field.size != Size::Long) return false;
        return AppendAscii(PrintNumber(NumberPattern(field, "", conversion, ""), va_arg(*args_, double)));
    }

    bool Character(const Field& field) {
        std::basic_string<Unit> text;
        if (field.size == Size::Char || field.size == Size::Short) {
            const auto byte = static_cast<unsigned char>(va_arg(*args_, int));
            text += byte < 0x80 ? Unit(byte) : Unit(0xFFFD);
        } else if (field.size == Size::Default || field.size == Size::Long || field.size == Size::Wide) {
            text += static_cast<Unit>(va_arg(*args_, int));
        } else {
            return false;
        }
        AppendPadded(field, text);
        return true;
    }

    bool Text(const Field& field) {
        const std::size_t limit =
            field.precision < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(field.precision);
        if (field.size == Size::Char || field.size == Size::Short) {
            const char* text = va_arg(*args_, const char*);
            if (!text) text = "(null)";
            std::size_t length = 0;
            while (length < limit && text[length]) ++length;
            const std::u16string wide = Utf8ToUtf16(std::string_view(text, length));
            AppendPadded(field, std::basic_string<Unit>(wide.begin(), wide.end()));
            return true;
        }
        if (field.size != Size::Default && field.size != Size::Long && field.size != Size::Wide) return false;
        const Unit* text = va_arg(*args_, const Unit*);
        static constexpr Unit kNull[] = {'(', 'n', 'u', 'l', 'l', ')', 0};
        if (!text) text = kNull;
        std::size_t length = 0;
        while (length < limit && text[length]) ++length;
        AppendPadded(field, std::basic_string<Unit>(text, length));
        return true;
    }

    bool Pointer(const Field& field) {
        const auto address = reinterpret_cast<std::uintptr_t>(va_arg(*args_, void*));
        const auto digits = PrintNumber(std::string("%0") + std::to_string(sizeof(void*) * 2) + "llX",
                                        static_cast<unsigned long long>(address));
        if (!digits) return false;
        AppendPadded(field, std::basic_string<Unit>(digits->begin(), digits->end()));
        return true;
    }

    bool AppendAscii(const std::optional<std::string>& text) {
        if (!text) return false;
        out_.append(text->begin(), text->end());
        return true;
    }

    void AppendPadded(const Field& field, const std::basic_string<Unit>& text) {
        const std::size_t width = field.width < 0 ? 0 : static_cast<std::size_t>(field.width);
        const std::size_t padding = text.size() < width ? width - text.size() : 0;
        if (!field.LeftAligned()) out_.append(padding, Unit(' '));
        out_ += text;
        if (field.LeftAligned()) out_.append(padding, Unit(' '));
    }

    const Unit* cursor_;
    std::va_list* args_;
    std::basic_string<Unit> out_;
};

}  // namespace

template <class Unit>
std::optional<std::basic_string<Unit>> FormatWide(const Unit* format, std::va_list args) {
    // A local copy, so its address can be handed down on every ABI.
    std::va_list own;
    va_copy(own, args);
    auto result = Formatter<Unit>(format, &own).Run();
    va_end(own);
    return result;
}

template std::optional<std::u16string> FormatWide(const char16_t*, std::va_list);
template std::optional<std::wstring> FormatWide(const wchar_t*, std::va_list);

}  // namespace Vantor
