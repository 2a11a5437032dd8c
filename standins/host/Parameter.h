// One parameter of an action, condition or expression call, as a test hands it to the host.
//
// The host lays a call's parameters out as records, back to back, each 4-byte aligned:
// a 16-bit size (this head included), a 16-bit code, then the data:
//
// | Form           | Code            | Data                                   | Param word, raw value      |
// |----------------|-----------------|----------------------------------------|----------------------------|
// | Integer        | 22              | int32 value                            | the value                  |
// | Float          | 22              | the float's 32 bits                    | the value truncated        |
// | Text           | 45 (or chosen)  | UTF-16 text, NUL, padding to 4 bytes   | pointer to the record text |
// | NullText       | 45 (or chosen)  | 4 zero bytes                           | null                       |
// | Object         | 1               | int16 object-list index, int16 number  | pointer to the record      |
// | Direction      | 29              | uint32 direction mask                  | the mask                   |
// | Raw            | chosen          | uint32 value                           | the value                  |
//
// After the last record come 8 zero bytes: a record of size 0 that no walker can step over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace StandinHost {

class Parameter {
public:
    enum class Form { Integer, Float, Text, NullText, Object, Direction, Raw };

    static constexpr std::uint16_t kExpressionCode = 22;
    static constexpr std::uint16_t kTextCode = 45;
    static constexpr std::uint16_t kObjectCode = 1;
    static constexpr std::uint16_t kDirectionCode = 29;

    static Parameter Integer(std::int32_t value);
    static Parameter Float(float value);
    // Text codes the framework reads as text: 40 file name, 45 text, 46 text comparison, 63.
    static Parameter Text(std::wstring text, std::uint16_t code = kTextCode);
    // A text parameter for which the host hands out a null pointer.
    static Parameter NullText(std::uint16_t code = kTextCode);
    static Parameter Object(std::int16_t objectListIndex, std::int16_t objectNumber);
    // A new-direction parameter as the host stores it: a record of code 29 holding the mask.
    static Parameter Direction(std::uint32_t mask);
    // A new-direction parameter typed as a number (-1 none, 0 to 31 one direction): an Integer.
    static Parameter DirectionValue(std::int32_t value);
    // Any code with a 32-bit value that every numeric read hands out unchanged, float reads included.
    static Parameter Raw(std::uint16_t code, std::uint32_t value);

    // The same parameter whose record head claims `size` bytes. The host still lays the records
    // out and reads them by their true sizes; only a walker that trusts the head is misled.
    Parameter WithRecordSize(std::uint16_t size) const;

    Form GetForm() const noexcept { return form_; }
    std::uint16_t Code() const noexcept { return code_; }
    // The 32-bit value of Integer, Direction and Raw (as bits), the index and number of Object
    // packed as in the record.
    std::uint32_t Value() const noexcept { return value_; }
    float Real() const noexcept { return real_; }
    const std::wstring& GetText() const noexcept { return text_; }
    std::optional<std::uint16_t> ClaimedRecordSize() const noexcept { return claimedSize_; }

private:
    Parameter(Form form, std::uint16_t code) : form_(form), code_(code) {}

    Form form_;
    std::uint16_t code_;
    std::uint32_t value_ = 0;
    float real_ = 0;
    std::wstring text_;
    std::optional<std::uint16_t> claimedSize_;
};

}  // namespace StandinHost
