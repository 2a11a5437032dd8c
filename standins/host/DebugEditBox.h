// The host debugger's edit boxes as a test scripts them: what the stand-in user answers, and
// what each box was shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace StandinHost {

enum class EditBoxKind { Integer, Text };

// One answer for the next edit box the object opens.
struct EditBoxAnswer {
    static constexpr std::int32_t kOk = 1;
    static constexpr std::int32_t kCancel = 2;

    static EditBoxAnswer Accept(std::int32_t value) { return {kOk, EditBoxKind::Integer, value, {}}; }
    static EditBoxAnswer Accept(std::wstring text) { return {kOk, EditBoxKind::Text, 0, std::move(text)}; }
    // Fits either kind of box; leaves the edit record as it was.
    static EditBoxAnswer Cancel() { return {kCancel, std::nullopt, 0, {}}; }

    std::int32_t button;
    std::optional<EditBoxKind> kind;
    std::int32_t value;
    std::wstring text;
};

// One edit box the object opened.
struct EditBoxCall {
    EditBoxKind kind = EditBoxKind::Integer;
    std::int32_t shownValue = 0;  // integer box: the value it opened with
    std::wstring shownText;       // text box: the text it opened with, up to its maximum length
    std::int32_t maxLength = 0;   // text box: the longest text it takes
    std::int32_t button = 0;      // what the stand-in user pressed

    bool operator==(const EditBoxCall&) const = default;
};

}  // namespace StandinHost
